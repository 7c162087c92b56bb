#include "rtf_table_builder.h"

#include "rtf_units.h"

#include <QTextTable>
#include <QTextTableCellFormat>

#include <algorithm>

namespace quillon {

namespace {

// Rows are added a sixteenth of the table at a time: every addition rescans all cells, and
// QTextTable::removeRows, which takes away the unused ones at the end, takes time in the square
// of the cells it removes, so fewer additions cost a larger removal.
constexpr int rowGrowthDivisor = 16;

} // namespace

int RtfTableBuilder::clampLevel(int level) {
    return std::clamp(level, 0, maxNesting);
}

bool RtfTableBuilder::isPlacedFor(int level) const {
    if (static_cast<int>(m_open.size()) != clampLevel(level))
        return false;
    if (m_open.empty())
        return true;
    const OpenTable &open = m_open.back();
    return !open.rowEnded && open.row == open.cursorRow && open.column == open.cursorColumn;
}

void RtfTableBuilder::placeFor(int level) {
    level = clampLevel(level);
    while (static_cast<int>(m_open.size()) > level)
        closeTable();
    if (!m_open.empty())
        enterCell(m_open.back());
    while (static_cast<int>(m_open.size()) < level)
        openTable();
}

void RtfTableBuilder::endCell(int level) {
    placeFor(level);
    if (m_open.empty())
        return;
    OpenTable &open = m_open.back();
    open.column = std::min(open.column + 1, maxColumns - 1);
}

void RtfTableBuilder::endRow(int level) {
    level = clampLevel(level);
    while (static_cast<int>(m_open.size()) > level)
        closeTable();
    if (static_cast<int>(m_open.size()) < level || m_open.empty())
        return;
    OpenTable &open = m_open.back();
    const RtfRowDefinition &definition = this->definition(level);
    if (open.rowEnded) // a second row end for the same row
        return;
    open.rowEnded = true;
    if (definition.edges().size() > open.edges.size())
        open.edges = definition.edges();
    showEndedRow(open);
    open.endedRow.emplace(open.row, definition);
}

void RtfTableBuilder::startRowDefinition(int level) {
    definition(level).clear();
}

void RtfTableBuilder::addCellEdge(int level, int twips) {
    definition(level).addCellEdge(twips, maxColumns);
}

RtfRowDefinition &RtfTableBuilder::definition(int level) {
    return m_definitions[static_cast<size_t>(clampLevel(level))];
}

// Merges the cells of the row ended before as its definition says and gives them their look;
// plain cells keep the format they have. The cursor is past the row by then, and merging cells it
// has passed leaves the cells ahead of it as they were.
void RtfTableBuilder::showEndedRow(OpenTable &open) {
    if (!open.endedRow)
        return;
    const auto &[row, definition] = *open.endedRow;
    QTextTable *table = open.table;
    const int columns = table->columns();
    for (int column = 0; column < columns; ++column) {
        const RtfRowDefinition::Merge merge = definition.mergeOf(static_cast<size_t>(column));
        if (merge.withPrevious && column > 0) {
            const QTextTableCell before = table->cellAt(row, column - 1);
            table->mergeCells(before.row(), before.column(), before.rowSpan(),
                              column - before.column() + 1);
        }
        if (merge.withAbove && row > 0) {
            const QTextTableCell above = table->cellAt(row - 1, column);
            table->mergeCells(above.row(), above.column(), row - above.row() + 1,
                              above.columnSpan());
        }
    }
    for (int column = 0; column < columns; ++column) {
        const RtfCellLook look = definition.lookOf(static_cast<size_t>(column));
        QTextTableCell cell = table->cellAt(row, column);
        if (look.isPlain() || cell.row() != row || cell.column() != column)
            continue; // a merged cell takes the look of the cell it begins with
        QTextTableCellFormat format = cell.format().toTableCellFormat();
        look.applyTo(format, *m_colours);
        cell.setFormat(format);
    }
    open.endedRow.reset();
}

void RtfTableBuilder::openTable() {
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true); // so that each cell draws the borders it gives
    format.setCellPadding(4);
    format.setCellSpacing(0);
    OpenTable open;
    open.table = m_cursor->insertTable(1, 1, format);
    m_open.push_back(open);
}

void RtfTableBuilder::enterCell(OpenTable &open) {
    if (open.rowEnded) {
        open.rowEnded = false;
        ++open.row;
        open.column = 0;
    }
    if (open.row == open.cursorRow && open.column == open.cursorColumn)
        return;

    QTextTable *table = open.table;
    bool reshaped = false;
    if (open.row >= table->rows()) {
        table->appendRows(std::max(1, table->rows() / rowGrowthDivisor));
        reshaped = true;
    }
    if (open.column >= table->columns()) {
        table->appendColumns(open.column + 1 - table->columns());
        reshaped = true;
    }
    if (reshaped) {
        m_cursor->setPosition(table->cellAt(open.row, open.column).firstPosition());
    } else {
        // Every cell between the cursor and the target is empty and takes one position, its
        // cell mark.
        const int columns = table->columns();
        const int step =
            (open.row * columns + open.column) - (open.cursorRow * columns + open.cursorColumn);
        m_cursor->setPosition(m_cursor->position() + step);
    }
    open.cursorRow = open.row;
    open.cursorColumn = open.column;
}

void RtfTableBuilder::closeTable() {
    OpenTable &open = m_open.back();
    QTextTable *table = open.table;
    const int usedRows = open.row + 1;
    if (table->rows() > usedRows)
        table->removeRows(usedRows, table->rows() - usedRows);
    showEndedRow(open);

    QTextTableFormat format = table->format();
    QList<QTextLength> widths;
    qint64 left = 0; // edges are any 32-bit numbers, so their differences need more
    // A cell past the last edge the file gives is as wide as the one before it: a column of no
    // width would get only what the others leave, down to a letter's width, and break its words.
    qint64 width = 0;
    for (int column = 0; column < table->columns(); ++column) {
        const size_t index = static_cast<size_t>(column);
        if (index < open.edges.size()) {
            width = open.edges[index] - left;
            left = open.edges[index];
        }
        widths.append(width > 0
                          ? QTextLength(QTextLength::FixedLength, width / twipsPerDocumentUnit)
                          : QTextLength());
    }
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);

    m_cursor->setPosition(table->lastPosition() + 1);
    m_open.pop_back();
}

} // namespace quillon
