#include "rtf_picture.h"

#include "rtf_tokenizer.h"
#include "rtf_units.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace quillon {

void RtfPicture::setWidthGoal(int twips) {
    m_widthGoal = std::max(0, twips);
}

void RtfPicture::setHeightGoal(int twips) {
    m_heightGoal = std::max(0, twips);
}

void RtfPicture::setScaleX(int percent) {
    m_scaleX = std::clamp(percent, 1, 10000);
}

void RtfPicture::setScaleY(int percent) {
    m_scaleY = std::clamp(percent, 1, 10000);
}

void RtfPicture::appendHex(QByteArrayView digits) {
    for (const char c : digits) {
        const int value = hexValue(c);
        if (value < 0)
            continue; // blanks and line breaks between the digits
        if (m_pendingNibble < 0) {
            m_pendingNibble = value;
        } else {
            m_data.append(static_cast<char>(m_pendingNibble << 4 | value));
            m_pendingNibble = -1;
        }
    }
}

void RtfPicture::appendBinary(QByteArrayView bytes) {
    m_data.append(bytes);
}

QImage RtfPicture::decode(qint64 maxBytes) const {
    // Data that does not start as its format says is not handed to a decoder, which would warn.
    const bool png = m_type == "png" && m_data.startsWith("\x89PNG");
    const bool jpeg = m_type == "jpeg" && m_data.startsWith("\xff\xd8");
    if (!png && !jpeg)
        return {};
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_type);
    reader.setAutoDetectImageFormat(false);
    // The header tells the size; a small file can claim a huge picture.
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() * 4 > maxBytes)
        return {};
    return reader.read();
}

QSizeF RtfPicture::displaySize(const QImage &image) const {
    const QSizeF goal =
        m_widthGoal > 0 && m_heightGoal > 0
            ? QSizeF(m_widthGoal / twipsPerDocumentUnit, m_heightGoal / twipsPerDocumentUnit)
            : QSizeF(image.size());
    const double largest = maxLengthTwips / twipsPerDocumentUnit;
    return {std::min(goal.width() * m_scaleX / 100.0, largest),
            std::min(goal.height() * m_scaleY / 100.0, largest)};
}

QString RtfPicture::lostName() const {
    if (m_type == "emfblip")
        return QStringLiteral("an EMF picture");
    if (m_type == "wmetafile")
        return QStringLiteral("a WMF picture");
    if (m_type == "macpict")
        return QStringLiteral("a Macintosh PICT picture");
    if (m_type == "dibitmap" || m_type == "wbitmap")
        return QStringLiteral("a bitmap picture");
    if (m_type == "pmmetafile")
        return QStringLiteral("an OS/2 metafile picture");
    return QStringLiteral("a picture that could not be read");
}

} // namespace quillon
