#include "artwork.h"

#include "layout.h"

#include <QHash>
#include <QIconEngine>
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

    QFont font = layout::face();
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

namespace {

// Draws the price tag at the size asked for, when it is asked for: a window system takes a few
// small sizes for the title bar when the window is shown, and nothing draws the large sizes
// before something wants them.
class PriceTagIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        QPixmap &drawn = m_drawn[side];
        if (drawn.isNull())
            drawn = applicationIconPixmap(side);
        return drawn;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }
    QIconEngine *clone() const override { return new PriceTagIconEngine(*this); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

QIcon applicationIcon() {
    return QIcon(new PriceTagIconEngine);
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

    QFont font = layout::face();
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
