#include "rtf_list_builder.h"

#include "rtf_document_properties.h"
#include "unwanted_characters.h"

#include <QTextBlockFormat>

#include <algorithm>

namespace quillon {

QString RtfListBuilder::startParagraph(int listNumber, int level, bool ownIndents,
                                       QTextCursor &cursor, const std::function<void()> &flushText,
                                       const std::function<QTextCharFormat()> &labelFormat) {
    const std::optional<RtfListDefinition> definition =
        listNumber >= 0 ? m_table.definition(listNumber) : std::nullopt;
    const QString written = std::exchange(m_writtenLabel, QString());
    BlockList list;
    if (definition)
        list = {listNumber, std::clamp(level, 0, RtfListDefinition::levelCount - 1)};
    // Every item of a list takes its label, whether the file wrote one as \listtext or not.
    if (!list && !m_blockList && written.isEmpty())
        return {};
    flushText();
    if (list != m_blockList) {
        QTextBlockFormat format = cursor.blockFormat();
        if (list) {
            format.setProperty(listNumberProperty, list->first);
            format.setProperty(listLevelProperty, list->second);
            format.setProperty(listDefinitionProperty, definition->toVariant());
            format.setIndent(ownIndents ? 0 : list->second + 1);
        } else {
            format.clearProperty(listNumberProperty);
            format.clearProperty(listLevelProperty);
            format.clearProperty(listDefinitionProperty);
            format.setIndent(0);
        }
        cursor.setBlockFormat(format);
        m_blockList = list;
    }
    if (list) {
        QTextCharFormat format = labelFormat();
        format.setProperty(listLabelProperty, true);
        cursor.insertText(m_numbering.nextLabel(list->first, *definition, list->second) + u'\t',
                          format);
        return {};
    }
    QString label;
    for (const QChar c : written) {
        if (!isUnwantedCharacter(c.unicode()))
            label += c;
    }
    return label;
}

} // namespace quillon
