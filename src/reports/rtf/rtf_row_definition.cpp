#include "rtf_row_definition.h"

namespace quillon {

void RtfRowDefinition::addCellEdge(int twips, size_t maxCells) {
    if (m_edges.size() < maxCells) {
        m_edges.push_back(twips);
        m_looks.push_back(m_pending);
        m_merges.push_back(m_pendingMerge);
    }
    m_pending = RtfCellLook();
    m_pendingMerge = Merge();
    m_selected = false;
}

void RtfRowDefinition::selectCellBorder(CellSide side) {
    m_selected = true;
    m_selectedSide = side;
    // The border word begins the border: a second one replaces the first.
    *selected() = RtfBorder();
}

RtfBorder *RtfRowDefinition::selected() {
    return m_selected ? &m_pending.sides[static_cast<size_t>(m_selectedSide)] : nullptr;
}

void RtfRowDefinition::setBorderStyle(QTextFrameFormat::BorderStyle style) {
    if (RtfBorder *border = selected())
        border->style = style;
}

void RtfRowDefinition::setBorderWidth(int twips) {
    if (RtfBorder *border = selected())
        border->twips = twips;
}

void RtfRowDefinition::setBorderColour(int index) {
    if (RtfBorder *border = selected())
        border->colour = index;
}

} // namespace quillon
