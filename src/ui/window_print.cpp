#include "window_print.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace quillon {

bool printWidgetImage(QWidget &widget, QPrinter &printer) {
    const QPixmap image = widget.grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the printable area's top-left corner, so only its size matters.
    const QSize area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSize size = image.size().scaled(area, Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    return painter.end();
}

} // namespace quillon
