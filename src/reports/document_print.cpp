#include "document_print.h"

#include "page_setup.h"
#include "rtf_document_properties.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QUrl>

#include <algorithm>
#include <map>
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
// lies at least `margins` (in millimetres) from the edges of the paper, in device pixels.
QRectF printBody(const QPagedPaintDevice &device, const QMarginsF &margins) {
    const QMarginsF printerMargins = device.pageLayout().margins(QPageLayout::Millimeter);
    const auto inset = [](qreal margin, qreal printerMargin, int dpi) {
        return std::max(0.0, margin - printerMargin) * dpi / kMillimetresPerInch;
    };
    const qreal left = inset(margins.left(), printerMargins.left(), device.logicalDpiX());
    const qreal top = inset(margins.top(), printerMargins.top(), device.logicalDpiY());
    const qreal right = inset(margins.right(), printerMargins.right(), device.logicalDpiX());
    const qreal bottom = inset(margins.bottom(), printerMargins.bottom(), device.logicalDpiY());
    return QRectF(left, top, device.width() - left - right, device.height() - top - bottom);
}

// Gap between a header or footer and the body.
constexpr qreal kHeaderGapMillimetres = 4.0;

using HeadersAndFooters = std::map<QByteArray, std::unique_ptr<QTextDocument>>;

// Takes the frames marked as headers and footers out of `document`, each into a document of its
// own by the kind it is ("header", "footerf", ...).
HeadersAndFooters takeHeadersAndFooters(QTextDocument &document) {
    HeadersAndFooters taken;
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        const QByteArray kind = frame->frameFormat().property(headerFooterProperty).toByteArray();
        if (kind.isEmpty())
            continue;
        QTextCursor cursor(&document);
        cursor.setPosition(frame->firstPosition());
        cursor.setPosition(frame->lastPosition(), QTextCursor::KeepAnchor);
        auto part = std::make_unique<QTextDocument>();
        part->setDefaultFont(document.defaultFont());
        QTextCursor(part.get()).insertFragment(cursor.selection());
        // The whole frame, from the mark that begins it to the one that ends it.
        cursor.setPosition(frame->firstPosition() - 1);
        cursor.setPosition(frame->lastPosition() + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        taken.emplace(kind, std::move(part));
    }
    return taken;
}

// Which of `prefix` ("header", "footer") page `page` (0 for the first) shows, as Word prints
// them: a title page its own one or none; with facing pages the left one on even pages and the
// right one on odd pages; otherwise the common one, or the right one of a file that gives only
// left and right ones. Null when there is none.
QTextDocument *partFor(const HeadersAndFooters &parts, const QByteArray &prefix, int page,
                       const QTextFrameFormat &pages) {
    const auto find = [&parts, &prefix](const char *suffix) -> QTextDocument * {
        const auto found = parts.find(prefix + suffix);
        return found == parts.end() ? nullptr : found->second.get();
    };
    if (page == 0 && pages.boolProperty(titlePageProperty))
        return find("f");
    QTextDocument *part = nullptr;
    if (pages.boolProperty(facingPagesProperty))
        part = find(page % 2 == 1 ? "l" : "r");
    if (!part)
        part = find("");
    return part ? part : find("r");
}

void drawPart(QPainter &painter, QTextDocument &part, QPointF at) {
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.save();
    painter.translate(at);
    part.documentLayout()->draw(&painter, context);
    painter.restore();
}

} // namespace

QString quotePrintName() {
    return QCoreApplication::translate("quillon", "Quillon quote");
}

QString noPrinterInstalledText() {
    return QCoreApplication::translate("quillon",
                                       "No printer is installed, so the report cannot be printed.");
}

bool printDocument(const QTextDocument &document, QPagedPaintDevice &device) {
    const std::unique_ptr<QTextDocument> copy(document.clone());
    sizeFontsInPoints(*copy);

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const HeadersAndFooters parts = takeHeadersAndFooters(*copy);
    // Laid out against the device itself, so that letters are measured at its resolution.
    copy->documentLayout()->setPaintDevice(&device);
    copy->setDocumentMargin(0);
    // A document made for a page of its own prints with that page's margins.
    const std::optional<PageSetup> setup = pageSetupOf(document);
    const QRectF paper =
        printBody(device, setup ? setup->margins
                                : QMarginsF(kPaperMarginMillimetres, kPaperMarginMillimetres,
                                            kPaperMarginMillimetres, kPaperMarginMillimetres));
    // The body keeps clear of the tallest header and footer, on every page alike.
    qreal headerHeight = 0;
    qreal footerHeight = 0;
    const qreal gap = kHeaderGapMillimetres * device.logicalDpiY() / kMillimetresPerInch;
    for (const auto &[kind, part] : parts) {
        part->documentLayout()->setPaintDevice(&device);
        part->setDocumentMargin(0);
        part->setTextWidth(paper.width());
        qreal &height = kind.startsWith("header") ? headerHeight : footerHeight;
        height = std::max(height, part->size().height() + gap);
    }
    QRectF body = paper.adjusted(0, headerHeight, 0, -footerHeight);
    if (body.height() < paper.height() / 2)
        body = paper; // headers taller than half the page print over the body instead
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
        const QTextFrameFormat pageSetup = document.rootFrame()->frameFormat();
        if (QTextDocument *header = partFor(parts, "header", page, pageSetup))
            drawPart(painter, *header, paper.topLeft());
        if (QTextDocument *footer = partFor(parts, "footer", page, pageSetup))
            drawPart(painter, *footer,
                     QPointF(paper.left(), paper.bottom() - footer->size().height()));
    }
    return painter.end();
}

std::unique_ptr<QTextDocument> selectionDocument(const QTextCursor &selection) {
    const QTextDocument &source = *selection.document();
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(source.defaultFont());
    // It prints on the page the whole document was made for.
    QTextFrameFormat page = document->rootFrame()->frameFormat();
    page.setProperty(pageLayoutProperty,
                     source.rootFrame()->frameFormat().property(pageLayoutProperty));
    document->rootFrame()->setFrameFormat(page);
    // Pictures Qt cannot draw are drawn on demand by the source's provider.
    document->setResourceProvider(source.resourceProvider());
    QTextCursor(document.get()).insertFragment(selection.selection());
    // A fragment carries only the names of the pictures it shows, not the pictures.
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl name(format.toImageFormat().name());
            const QVariant picture = source.resource(QTextDocument::ImageResource, name);
            if (picture.isValid())
                document->addResource(QTextDocument::ImageResource, name, picture);
        }
    }
    return document;
}

} // namespace quillon
