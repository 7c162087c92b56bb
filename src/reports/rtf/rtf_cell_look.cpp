#include "rtf_cell_look.h"

#include "rtf_colour_table.h"
#include "rtf_units.h"

#include <QBrush>
#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

using Style = QTextFrameFormat::BorderStyle;

struct StyleWord {
    std::string_view word;
    Style style;
};

// The first word of each style is the one written back; RTF's other styles read as the nearest
// Qt draws.
constexpr auto styleWords = std::to_array<StyleWord>({
    {"brdrs", Style::BorderStyle_Solid},
    {"brdrdb", Style::BorderStyle_Double},
    {"brdrdot", Style::BorderStyle_Dotted},
    {"brdrdash", Style::BorderStyle_Dashed},
    {"brdrdashd", Style::BorderStyle_DotDash},
    {"brdrdashdd", Style::BorderStyle_DotDotDash},
    {"brdrengrave", Style::BorderStyle_Groove},
    {"brdremboss", Style::BorderStyle_Ridge},
    {"brdrinset", Style::BorderStyle_Inset},
    {"brdroutset", Style::BorderStyle_Outset},
    {"brdrnone", Style::BorderStyle_None},
    {"brdrnil", Style::BorderStyle_None},
    {"brdrth", Style::BorderStyle_Solid},
    {"brdrsh", Style::BorderStyle_Solid},
    {"brdrhair", Style::BorderStyle_Solid},
    {"brdrframe", Style::BorderStyle_Solid},
    {"brdrwavy", Style::BorderStyle_Solid},
    {"brdrdashsm", Style::BorderStyle_Dashed},
    {"brdrdashdotstr", Style::BorderStyle_DotDash},
    {"brdrtriple", Style::BorderStyle_Double},
    {"brdrwavydb", Style::BorderStyle_Double},
    {"brdrtnthsg", Style::BorderStyle_Double},
    {"brdrthtnsg", Style::BorderStyle_Double},
    {"brdrtnthtnsg", Style::BorderStyle_Double},
    {"brdrtnthmg", Style::BorderStyle_Double},
    {"brdrthtnmg", Style::BorderStyle_Double},
    {"brdrtnthtnmg", Style::BorderStyle_Double},
    {"brdrtnthlg", Style::BorderStyle_Double},
    {"brdrthtnlg", Style::BorderStyle_Double},
    {"brdrtnthtnlg", Style::BorderStyle_Double},
});

// Word's single border when a file gives a style without a width.
constexpr int defaultBorderTwips = 10;
constexpr int maxBorderTwips = 255; // Word stops at 75

constexpr std::array<char, 4> sideLetters = {'t', 'b', 'l', 'r'};

int widthProperty(size_t side) {
    return QTextFormat::TableCellTopBorder + static_cast<int>(side);
}
int styleProperty(size_t side) {
    return QTextFormat::TableCellTopBorderStyle + static_cast<int>(side);
}
int brushProperty(size_t side) {
    return QTextFormat::TableCellTopBorderBrush + static_cast<int>(side);
}

QColor colourOr(const RtfColourTable &colours, int index, QColor otherwise) {
    return colours.colour(index).value_or(otherwise);
}

// \clshdng lays `pattern` over `background` at `shading` hundredths of a percent.
QColor shaded(QColor background, QColor pattern, int shading) {
    const double share = std::clamp(shading, 0, 10000) / 10000.0;
    const auto mix = [share](int under, int over) {
        return static_cast<int>(std::lround(under + (over - under) * share));
    };
    return QColor(mix(background.red(), pattern.red()), mix(background.green(), pattern.green()),
                  mix(background.blue(), pattern.blue()));
}

QByteArray word(const char *name, int value) {
    return '\\' + QByteArray(name) + QByteArray::number(value);
}

} // namespace

std::vector<std::string_view> borderStyleWords() {
    std::vector<std::string_view> words;
    words.reserve(styleWords.size());
    for (const StyleWord &entry : styleWords)
        words.push_back(entry.word);
    return words;
}

std::optional<QTextFrameFormat::BorderStyle> borderStyleOfWord(QByteArrayView word) {
    const std::string_view name(word.data(), static_cast<size_t>(word.size()));
    for (const StyleWord &entry : styleWords) {
        if (entry.word == name)
            return entry.style;
    }
    return std::nullopt;
}

bool RtfCellLook::isPlain() const {
    return background < 0 && shading <= 0 &&
           std::none_of(sides.begin(), sides.end(), [](const RtfBorder &b) { return b.isDrawn(); });
}

void RtfCellLook::applyTo(QTextTableCellFormat &format, const RtfColourTable &colours) const {
    for (size_t side = 0; side < sides.size(); ++side) {
        const RtfBorder &border = sides[side];
        if (!border.isDrawn())
            continue;
        const int twips =
            border.twips > 0 ? std::min(border.twips, maxBorderTwips) : defaultBorderTwips;
        format.setProperty(widthProperty(side), twips / twipsPerDocumentUnit);
        format.setProperty(styleProperty(side), *border.style);
        format.setProperty(brushProperty(side),
                           QBrush(colourOr(colours, border.colour, Qt::black)));
    }
    if (shading > 0) {
        format.setBackground(shaded(colourOr(colours, background, Qt::white),
                                    colourOr(colours, pattern, Qt::black), shading));
    } else if (const std::optional<QColor> fill = colours.colour(background)) {
        format.setBackground(*fill);
    }
}

QByteArray cellLookRtf(const QTextTableCellFormat &cell, const QTextTableFormat &table,
                       const std::function<int(const QColor &)> &colourIndex) {
    QByteArray rtf;
    const bool tableDrawn = table.border() > 0 && table.borderStyle() != Style::BorderStyle_None;
    for (size_t side = 0; side < sideLetters.size(); ++side) {
        qreal width = table.border();
        Style style = table.borderStyle();
        QBrush brush = table.borderBrush();
        if (cell.hasProperty(widthProperty(side))) {
            width = cell.doubleProperty(widthProperty(side));
            style = cell.hasProperty(styleProperty(side))
                        ? static_cast<Style>(cell.intProperty(styleProperty(side)))
                        : Style::BorderStyle_Solid;
            brush = cell.brushProperty(brushProperty(side));
        } else if (!tableDrawn) {
            continue;
        }
        const auto entry = std::find_if(styleWords.begin(), styleWords.end(),
                                        [style](const StyleWord &e) { return e.style == style; });
        if (width <= 0 || style == Style::BorderStyle_None || entry == styleWords.end())
            continue;
        rtf += QByteArray("\\clbrdr") + sideLetters[side] + '\\' +
               QByteArray(entry->word.data(), static_cast<qsizetype>(entry->word.size()));
        rtf += word("brdrw", std::clamp(static_cast<int>(std::lround(width * twipsPerDocumentUnit)),
                                        1, maxBorderTwips));
        if (brush.style() != Qt::NoBrush && brush.color() != Qt::black)
            rtf += word("brdrcf", colourIndex(brush.color()));
    }
    if (cell.background().style() != Qt::NoBrush)
        rtf += word("clcbpat", colourIndex(cell.background().color()));
    return rtf;
}

} // namespace quillon
