#include "rtf_picture_builder.h"

#include "rtf_document_properties.h"

#include <QUrl>

namespace quillon {

namespace {

// The frame that stands for a picture Qt cannot draw, drawn when the document is first shown
// (it needs the fonts of a running GUI).
QVariant placeholderResource(const QUrl &name) {
    if (name.scheme() != QStringLiteral("rtf-placeholder"))
        return {};
    const QStringList size = name.query().split(u'x');
    return placeholderPicture(QSize(size.value(0).toInt(), size.value(1).toInt()), name.fragment());
}

} // namespace

QImage RtfPictureBuilder::decode(const RtfPicture &picture) {
    QImage image = picture.decode(m_bytesLeft);
    m_bytesLeft -= image.sizeInBytes();
    return image;
}

QString RtfPictureBuilder::insertPicture() {
    const QImage image = decode(m_picture);
    // Data without a format word is no picture any reader can show.
    if (image.isNull() && (m_picture.data().isEmpty() || m_picture.kindName().isEmpty()))
        return m_picture.lostName();
    QTextImageFormat format;
    format.setProperty(pictureDataProperty, m_picture.data());
    format.setProperty(pictureTypeProperty, m_picture.type());
    if (m_picture.sourceSize().isValid() && !m_picture.sourceSize().isEmpty())
        format.setProperty(pictureSizeProperty, m_picture.sourceSize());
    if (image.isNull())
        format.setProperty(placeholderKindProperty, m_picture.kindName());
    insertImage(format, image, m_picture.displaySize(image));
    m_picture = RtfPicture();
    return {};
}

void RtfPictureBuilder::insertImage(QTextImageFormat format, const QImage &image, QSizeF size) {
    m_prepare();
    QUrl name(QStringLiteral("rtf-picture:%1").arg(++m_count));
    if (image.isNull()) {
        name.setScheme(QStringLiteral("rtf-placeholder"));
        name.setQuery(QStringLiteral("%1x%2").arg(qRound(size.width())).arg(qRound(size.height())));
        name.setFragment(format.stringProperty(placeholderKindProperty));
        m_document->setResourceProvider(&placeholderResource);
    } else {
        m_document->addResource(QTextDocument::ImageResource, name, image);
    }
    format.setName(name.toString());
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor->insertImage(format);
}

} // namespace quillon
