#pragma once

#include <QByteArray>

class QTextBlockFormat;

namespace quillon {

// What of a paragraph's layout the document keeps besides its alignment, in twips as the file
// gives it: a page break before it (\pagebb), the space before and after it (\sb, \sa) and its
// line spacing (\sl: at least so much, exactly so much when negative, a multiple of 240 with
// \slmult1; 0 for single).
struct ParagraphSpacing {
    bool pageBreakBefore = false;
    int before = 0;
    int after = 0;
    int line = 0;
    bool lineMultiple = false;

    bool operator==(const ParagraphSpacing &) const = default;
    void applyTo(QTextBlockFormat &format) const;
    static ParagraphSpacing of(const QTextBlockFormat &format);
    // The RTF words that give it, after \\pard.
    QByteArray rtf() const;
};

} // namespace quillon
