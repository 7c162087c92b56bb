#pragma once

#include "rtf_picture.h"

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

#include <functional>

namespace quillon {

// The pictures of a document being read: the {\pict ...} group being read, and the images that
// show it and the groups kept whole, inserted at the reader's cursor. A picture Qt cannot draw is
// shown as a frame naming it, drawn when the document is first shown.
class RtfPictureBuilder {
public:
    // Readies the cursor for an image: the paragraph it stands in begun, the text before it in.
    using Preparation = std::function<void()>;

    // The images go in at `cursor`, once `prepare` has readied it, and are kept as resources of
    // `document`, also those of a header read into a document of its own. Together they take at
    // most `maxBytes` of memory.
    RtfPictureBuilder(QTextDocument *document, QTextCursor *cursor, qint64 maxBytes,
                      Preparation prepare)
        : m_document(document)
        , m_cursor(cursor)
        , m_bytesLeft(maxBytes)
        , m_prepare(std::move(prepare)) {}

    // \pict: a picture group begins.
    void start() { m_picture = RtfPicture(); }
    // The one being read, or read last.
    RtfPicture &picture() { return m_picture; }

    // `picture`'s image, in what is left of the memory the pictures may take; null beyond it.
    QImage decode(const RtfPicture &picture);
    // Inserts the picture just read. Returns how to name it when it cannot be kept, the empty text
    // when it is in.
    QString insertPicture();
    // A null image is drawn on demand by placeholderPicture(), from what its name says.
    void insertImage(QTextImageFormat format, const QImage &image, QSizeF size);

private:
    QTextDocument *m_document;
    QTextCursor *m_cursor;
    qint64 m_bytesLeft;
    Preparation m_prepare;
    RtfPicture m_picture;
    int m_count = 0;
};

} // namespace quillon
