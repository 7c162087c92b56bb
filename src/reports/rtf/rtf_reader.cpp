#include "rtf_reader.h"

#include "rtf_document_builder.h"

#include <QTextCursor>
#include <QTextDocument>

namespace quillon {

bool RtfReader::read(QByteArrayView data, QTextDocument *document) {
    m_error.clear();
    m_lost.clear();
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<unsigned char>(data[start])))
        ++start;

    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    // One edit for the whole build: Qt lays a paragraph out again after every insert made
    // outside an edit block, which makes a long paragraph's read grow with its square.
    QTextCursor edit(document);
    edit.beginEditBlock();
    const auto error =
        RtfDocumentBuilder(document, &m_lost, m_maxPictureBytes).build(data.sliced(start));
    edit.endEditBlock();
    document->setUndoRedoEnabled(undo);
    if (error)
        m_error = *error;
    return !error;
}

} // namespace quillon
