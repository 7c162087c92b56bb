#pragma once

#include "rtf_row_definition.h"

#include <QTextCursor>

#include <array>
#include <optional>
#include <vector>

class QTextTable;

namespace quillon {

class RtfColourTable;

// Builds QTextTables from RTF's table marks as a reader meets them, through the reader's cursor.
// RTF tells each paragraph's table nesting level (\intbl, \itapN), ends cells with \cell or
// \nestcell and rows with \row or \nestrow, and gives the right edges of a row's cells (\cellxN)
// before its cells or, for nested tables, after them. Tables open when content at a deeper level
// arrives and close when content at a shallower one does.
//
// The caller inserts content at the cursor only after placeFor(level), and the builder moves the
// cursor only inside its own calls. Moving to the next cell counts positions (every cell passed
// over is still empty) rather than asking the table, and rows are added in batches of a
// sixteenth of the table, the unused ones removed when it closes, because every change of a
// table's shape costs time in proportion to its cells. Two costs stay beyond linear, both Qt's:
// a frame with many tables side by side (inserting one scans its siblings), and the removal
// (QTextTable::removeRows takes time in the square of the rows it removes, here at most a
// sixteenth of the table).
//
// A table shows the borders and shading its row definitions give its cells, and no others.
class RtfTableBuilder {
public:
    // Deeper nesting is read as this level; Word stops far below it.
    static constexpr int maxNesting = 16;
    // Word's own limit; cells beyond it are read into the last one.
    static constexpr int maxColumns = 63;

    RtfTableBuilder(QTextCursor *cursor, const RtfColourTable *colours)
        : m_cursor(cursor)
        , m_colours(colours) {}

    // Whether content at `level` can go at the cursor as it is.
    bool isPlacedFor(int level) const;
    // Opens and closes tables and enters the current cell so that content at `level` goes at the
    // cursor.
    void placeFor(int level);

    // \cell (level 1) and \nestcell (level 2 and deeper).
    void endCell(int level);
    // \row and \nestrow.
    void endRow(int level);
    // \trowd and \cellxN: a row definition for the table at `level`.
    void startRowDefinition(int level);
    void addCellEdge(int level, int twips);
    // The definition being read for the table at `level`, for its cells' borders and shading.
    RtfRowDefinition &definition(int level);

    int openTables() const { return static_cast<int>(m_open.size()); }

private:
    struct OpenTable {
        QTextTable *table = nullptr;
        // The cell that takes the next content, and the one the cursor is in.
        int row = 0;
        int column = 0;
        int cursorRow = 0;
        int cursorColumn = 0;
        bool rowEnded = false;
        std::vector<int> edges; // the right edges of the row definition with the most cells
        // The row last ended, whose cells are merged and take their look once the cursor has
        // left the row.
        std::optional<std::pair<int, RtfRowDefinition>> endedRow;
    };

    void openTable();
    void closeTable();
    void enterCell(OpenTable &open);
    void showEndedRow(OpenTable &open);
    static int clampLevel(int level);

    QTextCursor *m_cursor;
    const RtfColourTable *m_colours;
    std::vector<OpenTable> m_open;
    std::array<RtfRowDefinition, maxNesting + 1> m_definitions;
};

} // namespace quillon
