#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

namespace quillon {

// Writes a QTextDocument as RTF that Word-family editors, LibreOffice and RtfReader open with the
// same text and character formatting: paragraphs, tabs, line breaks, bold, italic, underline,
// superscript and subscript, font, font size and text colour; paragraph alignment, spacing and
// page breaks, hyperlinks, tables (nested ones too, with their column widths, borders and
// shading) and PNG and JPEG pictures; and what a document read from RTF keeps of its own (headers
// and footers, lists, groups kept whole, the page layout; rtf_document_properties.h).
//
// The text is kept exactly: every blank and empty line survives, and every paragraph, the last
// included, ends with \par. Characters outside ASCII are written as \uN? (a UTF-16 unit as a
// signed 16-bit number, so characters beyond the BMP take two), which keeps the output pure
// ASCII and independent of any code page.
class RtfWriter {
public:
    static QByteArray toRtf(const QTextDocument &document);

    // Writes toRtf(document) to an open device. True on success.
    bool write(const QTextDocument &document, QIODevice *device);

    QString errorString() const { return m_error; }

private:
    QString m_error;
};

} // namespace quillon
