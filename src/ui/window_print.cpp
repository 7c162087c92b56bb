#include "window_print.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Four screen pixels to a window pixel: 384 dots per inch at the usual 96, past what the eye
// tells apart on paper, and a report window's image stays near 9 MB.
constexpr qreal kMostDensity = 4;

} // namespace

bool printWidgetImage(QWidget &widget, QPrinter &printer) {
    const qreal screenDpi = widget.logicalDpiX();
    const qreal density =
        std::clamp<qreal>(std::ceil(printer.resolution() / screenDpi), 1, kMostDensity);
    QImage image(widget.size() * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::white);
    widget.render(&image);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's top-left corner, so only its size matters.
    const QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QSizeF size = QSizeF(widget.size()) * (printer.resolution() / screenDpi);
    if (size.width() > area.width() || size.height() > area.height())
        size = size.scaled(area, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), size), image);
    return painter.end();
}

} // namespace quillon
