#pragma once

#include "rtf_cell_look.h"

#include <vector>

namespace quillon {

// A table row's definition as RTF gives it after \trowd: for each cell its look, whether it is
// merged with the cell before it or above it, and then its right edge (\cellxN). A border's
// style, width and colour words go to the border named last. The row's own borders (\trbrdrX)
// are not the cells': LibreOffice draws none of them either, and Word writes every cell's
// borders as well.
class RtfRowDefinition {
public:
    void clear() { *this = RtfRowDefinition(); }
    // \cellxN: ends the definition of a cell.
    void addCellEdge(int twips, size_t maxCells);

    void selectCellBorder(CellSide side);
    // A row's, a paragraph's, a page's or a character's border: its words are not a cell's.
    void selectNoBorder() { m_selected = false; }
    void setBorderStyle(QTextFrameFormat::BorderStyle style);
    void setBorderWidth(int twips);
    void setBorderColour(int index);
    void setBackground(int index) { m_pending.background = index; }
    void setPattern(int index) { m_pending.pattern = index; }
    void setShading(int value) { m_pending.shading = value; }
    // \clmrg and \clvmrg; the first cell of a merge (\clmgf, \clvmgf) needs no mark.
    void mergeWithPrevious() { m_pendingMerge.withPrevious = true; }
    void mergeWithAbove() { m_pendingMerge.withAbove = true; }

    struct Merge {
        bool withPrevious = false;
        bool withAbove = false;
    };

    const std::vector<int> &edges() const { return m_edges; }
    RtfCellLook lookOf(size_t column) const {
        return column < m_looks.size() ? m_looks[column] : RtfCellLook();
    }
    Merge mergeOf(size_t column) const {
        return column < m_merges.size() ? m_merges[column] : Merge();
    }

private:
    RtfBorder *selected();

    std::vector<int> m_edges;
    std::vector<RtfCellLook> m_looks;
    std::vector<Merge> m_merges;
    RtfCellLook m_pending;
    Merge m_pendingMerge;
    bool m_selected = false;
    CellSide m_selectedSide = CellSide::Top;
};

} // namespace quillon
