#include "rtf_kept_group_builder.h"

#include "rtf_document_properties.h"
#include "rtf_units.h"

#include <QImage>
#include <QSizeF>
#include <QTextImageFormat>

#include <algorithm>

namespace quillon {

QString RtfKeptGroupBuilder::lostName(const QString &kind) {
    if (kind == QStringLiteral("footnote"))
        return QStringLiteral("footnotes");
    if (kind == QStringLiteral("embedded object"))
        return QStringLiteral("an embedded object");
    return QStringLiteral("shapes or drawings");
}

void RtfKeptGroupBuilder::start(qsizetype start, const QString &kind) {
    m_group = Group();
    m_group.start = start;
    m_group.kind = kind;
}

void RtfKeptGroupBuilder::showText(size_t depth) {
    if (m_group.showsText)
        return;
    m_group.showsText = true;
    m_group.textDepth = depth;
}

void RtfKeptGroupBuilder::offerPicture(const RtfPicture &picture) {
    if (!m_group.picture)
        m_group.picture = picture;
}

void RtfKeptGroupBuilder::end(QByteArrayView input, qsizetype position,
                              const PortableGroupOf &portableGroupOf, RtfPictureBuilder &pictures) {
    const PortableGroup group =
        portableGroupOf(input.sliced(m_group.start, position - m_group.start));
    QTextImageFormat format;
    format.setProperty(keptGroupProperty, group.rtf);
    if (!group.fonts.isEmpty())
        format.setProperty(keptFontsProperty, group.fonts);
    QImage image;
    QSizeF size((m_group.right - m_group.left) / twipsPerDocumentUnit,
                (m_group.bottom - m_group.top) / twipsPerDocumentUnit);
    if (m_group.picture) {
        image = pictures.decode(*m_group.picture);
        format.setProperty(pictureDataProperty, m_group.picture->data());
        format.setProperty(pictureTypeProperty, m_group.picture->type());
        size = m_group.picture->displaySize(image);
    }
    if (m_group.showsText) {
        // A frame wide enough for a line of the note.
        constexpr int maxShown = 80;
        const QString text = m_group.text.simplified();
        const QString shown =
            text.left(maxShown) + (text.size() > maxShown ? QStringLiteral("…") : QString());
        // A text box is shown as its text at its size, a note as a frame naming it.
        if (m_group.kind == QStringLiteral("footnote")) {
            format.setProperty(placeholderKindProperty,
                               m_group.kind + QStringLiteral(": ") + shown);
            size = QSizeF(240, 32);
        } else {
            format.setProperty(placeholderKindProperty, shown.isEmpty() ? m_group.kind : shown);
        }
    } else if (image.isNull()) {
        format.setProperty(placeholderKindProperty, m_group.kind);
    }
    const double largest = maxLengthTwips / twipsPerDocumentUnit;
    size = QSizeF(std::clamp(size.width(), 8.0, largest), std::clamp(size.height(), 8.0, largest));
    pictures.insertImage(format, image, size);
    m_group = Group();
}

} // namespace quillon
