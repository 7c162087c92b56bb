#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quillon {

namespace {

const QColor kTagColour(0, 128, 128);
const QColor kTagEdge(0, 80, 80);
const QColor kPaper(255, 248, 220);

// A price tag pointing left with a hole and a dollar sign, filling a size x size square.
void drawPriceTag(QPainter &painter, qreal size) {
    const qreal m = size / 16.0;
    QPainterPath tag;
    tag.moveTo(1 * m, 8 * m);
    tag.lineTo(6 * m, 2 * m);
    tag.lineTo(15 * m, 2 * m);
    tag.lineTo(15 * m, 14 * m);
    tag.lineTo(6 * m, 14 * m);
    tag.closeSubpath();

    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, kTagColour.lighter(130));
    fill.setColorAt(1, kTagColour);
    painter.setPen(QPen(kTagEdge, qMax<qreal>(1.0, m * 0.75)));
    painter.setBrush(fill);
    painter.drawPath(tag);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(5 * m, 8 * m), 1.2 * m, 1.2 * m);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, qRound(10 * m)));
    painter.setFont(font);
    painter.setPen(kPaper);
    painter.drawText(QRectF(7 * m, 2 * m, 8 * m, 12 * m), Qt::AlignCenter, QStringLiteral("$"));
}

} // namespace

QPixmap applicationIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    drawPriceTag(painter, size);
    return pixmap;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 96, 128, 256})
        icon.addPixmap(applicationIconPixmap(size));
    return icon;
}

QPixmap makerLogo(qreal devicePixelRatio) {
    const QSize logical(128, 96);
    QPixmap pixmap(logical * devicePixelRatio);
    // The painter then works in the logical 128 x 96 units.
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, logical.height());
    sky.setColorAt(0, QColor(224, 240, 240));
    sky.setColorAt(1, Qt::white);
    painter.fillRect(QRect(QPoint(0, 0), logical), sky);

    painter.save();
    painter.translate(40, 6);
    drawPriceTag(painter, 48);
    painter.restore();

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(kTagEdge);
    painter.drawText(QRect(0, 56, 128, 22), Qt::AlignCenter, QStringLiteral("Vellan"));
    font.setBold(false);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(QRect(0, 78, 128, 14), Qt::AlignCenter, QStringLiteral("Computers"));
    return pixmap;
}

} // namespace quillon
