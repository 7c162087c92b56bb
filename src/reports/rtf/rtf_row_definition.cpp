#include "rtf_row_definition.h"

namespace quillon {

void RtfRowDefinition::addCellEdge(int twips, size_t maxCells) {
    if (m_edges.size() < maxCells) {
        m_edges.push_back(twips);
        m_looks.push_back(m_pending);
    }
    m_pending = RtfCellLook();
    m_selected = Selected::None;
}

void RtfRowDefinition::selectCellBorder(CellSide side) {
    m_selected = Selected::Cell;
    m_selectedIndex = static_cast<size_t>(side);
    // The border word begins the border: a second one replaces the first.
    *selected() = RtfBorder();
}

void RtfRowDefinition::selectRowBorder(RowBorder border) {
    m_selected = Selected::Row;
    m_selectedIndex = static_cast<size_t>(border);
    *selected() = RtfBorder();
}

RtfBorder *RtfRowDefinition::selected() {
    switch (m_selected) {
    case Selected::Cell:
        return &m_pending.sides[m_selectedIndex];
    case Selected::Row:
        return &m_rowBorders[m_selectedIndex];
    case Selected::None:
        break;
    }
    return nullptr;
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

RtfCellLook RtfRowDefinition::lookOf(size_t column, size_t columns, bool firstRow,
                                     bool lastRow) const {
    RtfCellLook look = column < m_looks.size() ? m_looks[column] : RtfCellLook();
    const auto standIn = [&look](CellSide side, const RtfBorder &rowBorder) {
        RtfBorder &border = look.sides[static_cast<size_t>(side)];
        if (!border.style)
            border = rowBorder;
    };
    standIn(CellSide::Top, m_rowBorders[firstRow ? Top : Inside]);
    standIn(CellSide::Bottom, m_rowBorders[lastRow ? Bottom : Inside]);
    standIn(CellSide::Left, m_rowBorders[column == 0 ? Left : Between]);
    standIn(CellSide::Right, m_rowBorders[column + 1 >= columns ? Right : Between]);
    return look;
}

} // namespace quillon
