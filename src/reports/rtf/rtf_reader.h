#pragma once

#include "rtf_picture.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QTextDocument;

namespace quillon {

// Reads RTF into a QTextDocument: paragraphs, line breaks, tabs, bold, italic, underline, font
// size, font and text colour, paragraph alignment, tables (nested ones as nested tables, cell
// widths as column widths), PNG and JPEG pictures as images, and HYPERLINK fields as anchors.
// Text is decoded in the code page of its font's character set (\fcharset), or else in that of
// \ansicpg (1252 when absent or unknown); symbol fonts (Symbol, Wingdings) give the characters
// they show. \uN with \ucN fallback skipping. Destinations the document does not show (style
// sheet, information, pictures in other formats, objects, headers, footers, footnotes, index and
// contents entries, the plain text that stands in for nested tables, anything else marked \*) are
// skipped whole, and \binN data by its byte count; so is hidden text (\v). A footnote's mark
// (\chftn) is kept as its number.
//
// Edge rules, chosen to match what Word-family readers do:
// - A paragraph mark (\par) ends a paragraph; the empty paragraph after the last one is not
//   added, so "{\rtf1 a\par}" reads as "a" and "{\rtf1 a\par\par}" as "a\n".
// - A file cut short (groups left open) reads as far as it goes; text after the brace that
//   closes the outermost group is ignored.
// - Malformed input fails with a reason: not starting with {\rtf, groups nested deeper than
//   maxGroupDepth, or the errors of RtfTokenizer. The document then holds a partial result, so
//   callers read into a document of their own and keep it only on success.
//
// Time is linear in the input and memory is bounded by it, but for what Qt's tables cost (see
// RtfTableBuilder) and for pictures, which are decoded only while the pixels of all the
// document's pictures together fit in setMaxPictureBytes(); the others are kept undecoded
// and shown as a frame.
class RtfReader {
public:
    // Deep enough for every real file (an e-mail program's HTML carried in RTF nests some thousands
    // deep); the limit only keeps the group stack in proportion to the file.
    static constexpr int maxGroupDepth = 100'000;

    // How much memory the pixels of one document's pictures may take together;
    // RtfPicture::maxDecodedBytes unless set.
    void setMaxPictureBytes(qint64 bytes) { m_maxPictureBytes = bytes; }

    // Replaces the content of `document`. True on success.
    bool read(QByteArrayView data, QTextDocument *document);

    bool hasError() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }

    // What the last read met in the file but could not keep in the document ("an embedded
    // object", "headers or footers", ...), each kind once, in the order first met. Saving the
    // document over the file it came from would lose these.
    QStringList lostContent() const { return m_lost; }

private:
    qint64 m_maxPictureBytes = RtfPicture::maxDecodedBytes;
    QString m_error;
    QStringList m_lost;
};

} // namespace quillon
