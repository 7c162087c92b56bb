#include "rtf_reader.h"

#include "rtf_document_builder.h"

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
    const auto error =
        RtfDocumentBuilder(document, &m_lost, m_maxPictureBytes).build(data.sliced(start));
    document->setUndoRedoEnabled(undo);
    if (error)
        m_error = *error;
    return !error;
}

} // namespace quillon
