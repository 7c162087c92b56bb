#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QTextFrameFormat>

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QTextTableCellFormat;
class QTextTableFormat;

namespace quillon {

class RtfColourTable;

// A cell's borders and shading as a row definition gives them: each side's \clbrdrX followed by
// a style word (\brdrs, \brdrdb, ...), \brdrwN and \brdrcfN, and the fill, \clcbpatN or a
// \clshdngN shade of \clcfpatN over it.
struct RtfBorder {
    // A style was given; \brdrnone gives one that draws nothing.
    std::optional<QTextFrameFormat::BorderStyle> style;
    int twips = 0;
    int colour = 0; // in the colour table; 0, "auto", is black

    bool isDrawn() const { return style && *style != QTextFrameFormat::BorderStyle_None; }
};

// In the order of Qt's cell border properties.
enum class CellSide { Top, Bottom, Left, Right };

struct RtfCellLook {
    std::array<RtfBorder, 4> sides; // by CellSide
    int background = -1;            // -1: none given
    int pattern = -1;
    int shading = 0; // in hundredths of a percent

    bool isPlain() const;
    // Sets the drawn borders and the fill on `format`, in the colours of `colours`.
    void applyTo(QTextTableCellFormat &format, const RtfColourTable &colours) const;
};

// The border style words, and the style each gives; none for other words.
std::vector<std::string_view> borderStyleWords();
std::optional<QTextFrameFormat::BorderStyle> borderStyleOfWord(QByteArrayView word);

// The words that give a cell of `table` the borders and fill it shows: its own, else the
// table's border on every side. `colourIndex` numbers a colour in the colour table written.
QByteArray cellLookRtf(const QTextTableCellFormat &cell, const QTextTableFormat &table,
                       const std::function<int(const QColor &)> &colourIndex);

} // namespace quillon
