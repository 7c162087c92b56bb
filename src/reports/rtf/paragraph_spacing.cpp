#include "paragraph_spacing.h"

#include "rtf_units.h"

#include <QTextBlockFormat>

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

// Single line spacing as \sl with \slmult1 gives it.
constexpr double singleLineTwips = 240.0;

int twips(double documentUnits) {
    return static_cast<int>(
        std::lround(std::clamp(documentUnits * twipsPerDocumentUnit, 0.0, double(maxLengthTwips))));
}

// Indents may be negative: into the margin, or a first line hanging out of the paragraph.
int signedTwips(double documentUnits) {
    return static_cast<int>(std::lround(std::clamp(
        documentUnits * twipsPerDocumentUnit, -double(maxLengthTwips), double(maxLengthTwips))));
}

QByteArray word(const char *name, int value) {
    return '\\' + QByteArray(name) + QByteArray::number(value);
}

} // namespace

void ParagraphSpacing::applyTo(QTextBlockFormat &format) const {
    format.setPageBreakPolicy(pageBreakBefore ? QTextFormat::PageBreak_AlwaysBefore
                                              : QTextFormat::PageBreak_Auto);
    format.setTopMargin(before / twipsPerDocumentUnit);
    format.setBottomMargin(after / twipsPerDocumentUnit);
    const auto indent = [](int twips) {
        return std::clamp(twips, -maxLengthTwips, maxLengthTwips) / twipsPerDocumentUnit;
    };
    format.setLeftMargin(indent(left));
    format.setRightMargin(indent(right));
    format.setTextIndent(indent(firstLine));
    // A hanging first line's tab goes to the left indent, where the lines after it begin, as a
    // list label's does in word processors. Qt measures tab stops from where the line begins.
    QList<QTextOption::Tab> tabs;
    if (firstLine < 0)
        tabs.append(QTextOption::Tab(indent(-firstLine), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    if (line == 0)
        format.setLineHeight(100, QTextBlockFormat::SingleHeight);
    else if (lineMultiple)
        format.setLineHeight(std::abs(line) * 100 / singleLineTwips,
                             QTextBlockFormat::ProportionalHeight);
    else
        format.setLineHeight(std::abs(line) / twipsPerDocumentUnit,
                             line < 0 ? QTextBlockFormat::FixedHeight
                                      : QTextBlockFormat::MinimumHeight);
}

ParagraphSpacing ParagraphSpacing::of(const QTextBlockFormat &format) {
    ParagraphSpacing spacing;
    spacing.pageBreakBefore = format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
    spacing.before = twips(format.topMargin());
    spacing.after = twips(format.bottomMargin());
    spacing.left = signedTwips(format.leftMargin());
    spacing.right = signedTwips(format.rightMargin());
    spacing.firstLine = signedTwips(format.textIndent());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        spacing.line = static_cast<int>(std::lround(format.lineHeight() * singleLineTwips / 100));
        spacing.lineMultiple = true;
        break;
    case QTextBlockFormat::FixedHeight:
        spacing.line = -twips(format.lineHeight());
        break;
    case QTextBlockFormat::MinimumHeight:
        spacing.line = twips(format.lineHeight());
        break;
    default:
        break;
    }
    return spacing;
}

QByteArray ParagraphSpacing::rtf() const {
    QByteArray words;
    if (pageBreakBefore)
        words += "\\pagebb";
    if (before != 0)
        words += word("sb", before);
    if (after != 0)
        words += word("sa", after);
    if (line != 0)
        words += word("sl", line) + word("slmult", lineMultiple ? 1 : 0);
    if (left != 0)
        words += word("li", left);
    if (right != 0)
        words += word("ri", right);
    if (firstLine != 0)
        words += word("fi", firstLine);
    return words;
}

} // namespace quillon
