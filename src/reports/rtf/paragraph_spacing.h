#pragma once

#include <QByteArray>

class QTextBlockFormat;

namespace quillon {

// What of a paragraph's layout the document keeps besides its alignment, in twips as the file
// gives it: a page break before it (\pagebb), the space before and after it (\sb, \sa) and its
// line spacing (\sl: at least so much, exactly so much when negative, a multiple of 240 with
// \slmult1; 0 for single), and its indents (\li and \ri from the margins, \fi of the first
// line from the left indent, negative for a hanging one).
struct ParagraphSpacing {
    bool pageBreakBefore = false;
    int before = 0;
    int after = 0;
    int line = 0;
    bool lineMultiple = false;
    int left = 0;
    int right = 0;
    int firstLine = 0;

    bool operator==(const ParagraphSpacing &) const = default;
    void applyTo(QTextBlockFormat &format) const;
    static ParagraphSpacing of(const QTextBlockFormat &format);
    // The RTF words that give it, after \\pard.
    QByteArray rtf() const;
};

} // namespace quillon
