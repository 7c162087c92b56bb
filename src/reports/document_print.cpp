#include "document_print.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <vector>

namespace quillon {

namespace {

// Qt's device-independent pixel, in which every size on screen is given.
constexpr qreal kScreenPixelsPerInch = 96.0;
constexpr qreal kPointsPerInch = 72.0;
constexpr qreal kMillimetresPerInch = 25.4;
constexpr qreal kPaperMarginMillimetres = 20.0;

qreal pointsOfScreenPixels(qreal pixels) {
    return pixels * kPointsPerInch / kScreenPixelsPerInch;
}

// On a printer Qt takes a pixel size as the device's own dots: 11 px at 1200 dpi is 0.2 mm.
// Sizes in points scale with the device, so every pixel size becomes the points it shows as.
void sizeFontsInPoints(QTextDocument &document) {
    QFont font = document.defaultFont();
    if (font.pixelSize() > 0) {
        font.setPointSizeF(pointsOfScreenPixels(font.pixelSize()));
        document.setDefaultFont(font);
    }
    struct Change {
        int start;
        int end;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextCharFormat format = it.fragment().charFormat();
            if (!format.hasProperty(QTextFormat::FontPixelSize))
                continue;
            format.setFontPointSize(
                pointsOfScreenPixels(format.intProperty(QTextFormat::FontPixelSize)));
            format.clearProperty(QTextFormat::FontPixelSize);
            const int start = it.fragment().position();
            changes.push_back({start, start + it.fragment().length(), format});
        }
    }
    // Changing formats may merge fragments, so the changes wait until all are found.
    QTextCursor cursor(&document);
    for (const Change &change : changes) {
        cursor.setPosition(change.start);
        cursor.setPosition(change.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

// The part of the device's printable area (whose top-left corner is the painter's origin) that
// lies at least the paper margin from every edge of the paper, in device pixels.
QRectF printBody(const QPagedPaintDevice &device) {
    const QMarginsF printerMargins = device.pageLayout().margins(QPageLayout::Millimeter);
    const auto inset = [&device](qreal printerMargin, int dpi) {
        return std::max(0.0, kPaperMarginMillimetres - printerMargin) * dpi / kMillimetresPerInch;
    };
    const qreal left = inset(printerMargins.left(), device.logicalDpiX());
    const qreal top = inset(printerMargins.top(), device.logicalDpiY());
    const qreal right = inset(printerMargins.right(), device.logicalDpiX());
    const qreal bottom = inset(printerMargins.bottom(), device.logicalDpiY());
    return QRectF(left, top, device.width() - left - right, device.height() - top - bottom);
}

} // namespace

QString quotePrintName() {
    return QCoreApplication::translate("quillon", "Quillon quote");
}

bool printDocument(const QTextDocument &document, QPagedPaintDevice &device) {
    const std::unique_ptr<QTextDocument> copy(document.clone());
    sizeFontsInPoints(*copy);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Laid out against the device itself, so that letters are measured at its resolution.
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    const QRectF body = printBody(device);
    copy->setPageSize(body.size());

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    const int pages = copy->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage())
            return false;
        // Page N of the layout is the band N page heights down the laid-out document.
        const QRectF band(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(body.left(), body.top() - band.top());
        painter.setClipRect(band);
        context.clip = band;
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace quillon
