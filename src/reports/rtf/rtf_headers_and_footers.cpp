#include "rtf_headers_and_footers.h"

#include "rtf_document_properties.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>

namespace quillon {

RtfHeadersAndFooters::RtfHeadersAndFooters() {
    m_document.setUndoRedoEnabled(false);
}

QTextDocument *RtfHeadersAndFooters::start(QByteArrayView word, size_t depth, qsizetype start,
                                           bool inHiddenText, const BodyState &body) {
    QTextFrameFormat format;
    format.setProperty(headerFooterProperty, word.toByteArray());
    format.setBorder(1);
    format.setBorderBrush(QColor(0xc0, 0xc0, 0xc0));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Dashed);
    format.setPadding(4);
    format.setBottomMargin(6);
    m_reading = Reading{format, depth, body, start, inHiddenText};
    m_document.clear();
    return &m_document;
}

RtfHeadersAndFooters::BodyState RtfHeadersAndFooters::end(QByteArrayView input, qsizetype position,
                                                          size_t openGroups,
                                                          const PortableGroupOf &portableGroupOf) {
    const Reading header = *std::exchange(m_reading, std::nullopt);
    if (isShown(header.format)) {
        const QTextBlock first = m_document.firstBlock();
        m_read.push_back({header.format, first.blockFormat(), first.charFormat(),
                          QTextDocumentFragment(&m_document)});
    } else {
        keepUnshown(header, input, position, openGroups, portableGroupOf);
    }
    return header.body;
}

// Word shows no empty header, and a first-page one only on a title page; a left or right one
// it shows on the pages of a document without facing pages too. Judged by the header just read.
bool RtfHeadersAndFooters::isShown(const QTextFrameFormat &format) {
    if (format.property(headerFooterProperty).toByteArray().endsWith('f') && !m_titlePage)
        return false;
    QTextCursor content(&m_document);
    content.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return !content.selectedText().trimmed().isEmpty();
}

// A header no page shows keeps its group, to go back as it came: an empty first-page header hides
// the common one on a title page. Only a group of its own that closed is kept: one cut short by the
// file's end, begun in the document's own group or after text of the body has none. Nor has one
// begun in hidden text, which is not kept: its group alone would bring that text back shown.
void RtfHeadersAndFooters::keepUnshown(const Reading &header, QByteArrayView input,
                                       qsizetype position, size_t openGroups,
                                       const PortableGroupOf &portableGroupOf) {
    if (header.start < 0 || header.inHiddenText || openGroups + 1 != header.depth ||
        position <= header.start || input[position - 1] != '}')
        return;
    const PortableGroup group =
        portableGroupOf(input.sliced(header.start, position - header.start));
    m_unshownHeaders += group.rtf;
    m_unshownHeaderFonts.insert(group.fonts);
}

// Qt finds a new frame's place among the frames beside it by looking at them one by one from the
// first: each goes in at the top of the document, before those read after it, where that look ends
// at once.
void RtfHeadersAndFooters::placeIn(QTextDocument *document) {
    // A frame put in before the body's first paragraph takes that paragraph's format with it.
    const QTextBlock bodyStart = document->firstBlock();
    const QTextBlockFormat bodyStartFormat = bodyStart.blockFormat();
    const QTextCharFormat bodyStartChars = bodyStart.charFormat();
    QTextFrame *nearestBody = nullptr;
    for (auto read = m_read.rbegin(); read != m_read.rend(); ++read) {
        QTextFrame *frame = QTextCursor(document).insertFrame(read->format);
        if (!nearestBody)
            nearestBody = frame;
        frame->firstCursorPosition().insertFragment(read->content);
        // A fragment put in anywhere but at a document's start leaves its first paragraph's
        // format behind.
        QTextCursor first = frame->firstCursorPosition();
        first.setBlockFormat(read->firstBlock);
        first.setBlockCharFormat(read->firstBlockChars);
    }
    m_read.clear();
    if (!nearestBody)
        return;
    QTextCursor body(document);
    body.setPosition(nearestBody->lastPosition() + 1);
    body.setBlockFormat(bodyStartFormat);
    body.setBlockCharFormat(bodyStartChars);
}

void RtfHeadersAndFooters::storePageSetup(QTextFrameFormat &format) const {
    format.setProperty(facingPagesProperty, m_facingPages);
    format.setProperty(titlePageProperty, m_titlePage);
    if (!m_unshownHeaders.isEmpty()) {
        format.setProperty(unshownHeadersProperty, m_unshownHeaders);
        format.setProperty(keptFontsProperty, m_unshownHeaderFonts);
    }
}

} // namespace quillon
