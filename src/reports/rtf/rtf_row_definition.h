#pragma once

#include "rtf_cell_look.h"

#include <array>
#include <vector>

namespace quillon {

// A table row's definition as RTF gives it after \trowd: for each cell its look and then its
// right edge (\cellxN), and the row's own borders (\trbrdrX), which stand for the cells' where
// these give none. A border's style, width and colour words go to the border named last.
class RtfRowDefinition {
public:
    enum RowBorder { Top, Bottom, Left, Right, Inside, Between, RowBorderCount }; // t b l r h v

    void clear() { *this = RtfRowDefinition(); }
    // \cellxN: ends the definition of a cell.
    void addCellEdge(int twips, size_t maxCells);

    void selectCellBorder(CellSide side);
    void selectRowBorder(RowBorder border);
    // A paragraph's, a page's or a character's border: its words are not a cell's.
    void selectNoBorder() { m_selected = Selected::None; }
    void setBorderStyle(QTextFrameFormat::BorderStyle style);
    void setBorderWidth(int twips);
    void setBorderColour(int index);
    void setBackground(int index) { m_pending.background = index; }
    void setPattern(int index) { m_pending.pattern = index; }
    void setShading(int value) { m_pending.shading = value; }

    const std::vector<int> &edges() const { return m_edges; }
    // The look of cell `column` of a row of `columns`, the row's borders standing in where the
    // cell gives none: the outer ones at the table's edges (the top one on its first row) and
    // the inner ones between cells. `lastRow` gives the last row its bottom border.
    RtfCellLook lookOf(size_t column, size_t columns, bool firstRow, bool lastRow) const;

private:
    enum class Selected { None, Cell, Row };
    RtfBorder *selected();

    std::vector<int> m_edges;
    std::vector<RtfCellLook> m_looks;
    RtfCellLook m_pending;
    std::array<RtfBorder, RowBorderCount> m_rowBorders;
    Selected m_selected = Selected::None;
    size_t m_selectedIndex = 0;
};

} // namespace quillon
