#pragma once

#include "rtf_list_table.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>
#include <optional>
#include <utility>

namespace quillon {

// The lists of a document being read: the file's list table, the numbers its items have reached,
// the label a paragraph's \listtext wrote, and the list of the block the cursor is in. A list
// paragraph takes its list and level and begins with its label, numbered from the list table as
// Word and LibreOffice number it; a paragraph of a list the table does not define keeps the label
// the file wrote.
class RtfListBuilder {
public:
    // A block's list number (\ls) and level; none for a block outside lists.
    using BlockList = std::optional<std::pair<int, int>>;

    RtfListTable &table() { return m_table; }

    // \listtext: the label as the file wrote it, for readers without a list table.
    void clearWrittenLabel() { m_writtenLabel.clear(); }
    void appendWrittenLabel(const QString &text) { m_writtenLabel += text; }

    // The list of the block the cursor is in. Blocks made by a line break in inserted text take
    // the block format before them, so a cursor moved to another block (a header's, a new cell's)
    // says which list that one has.
    const BlockList &blockList() const { return m_blockList; }
    void setBlockList(const BlockList &list) { m_blockList = list; }

    // A header or footer counts its lists' items apart from the body's, as a save writes it
    // before the body.
    void startCountingApart() { m_bodyNumbering = std::exchange(m_numbering, {}); }
    void endCountingApart() { m_numbering = std::exchange(m_bodyNumbering, {}); }

    // The first content of a paragraph of list `list` (-1 outside lists) at `level`: gives the
    // cursor's block its list and inserts the label, after `flushText` has inserted the text
    // gathered before it; `labelFormat` is the character format the label takes. A paragraph
    // without indents of its own is indented by its level. Returns the label the file wrote, to
    // go before the paragraph's text, for a list the table does not define.
    QString startParagraph(int list, int level, bool ownIndents, QTextCursor &cursor,
                           const std::function<void()> &flushText,
                           const std::function<QTextCharFormat()> &labelFormat);

private:
    RtfListTable m_table;
    RtfListNumbering m_numbering;
    RtfListNumbering m_bodyNumbering; // while a header is read
    QString m_writtenLabel;
    BlockList m_blockList;
};

} // namespace quillon
