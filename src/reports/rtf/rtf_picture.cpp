#include "rtf_picture.h"

#include "rtf_tokenizer.h"
#include "rtf_units.h"

#include <QBuffer>
#include <QColor>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace quillon {

void RtfPicture::setType(const QByteArray &type, int parameter) {
    m_type = type;
    m_typeParameter = parameter;
}

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

namespace {

quint32 littleEndian32(QByteArrayView bytes, qsizetype at) {
    if (at + 4 > bytes.size())
        return 0;
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

// A device-independent bitmap is a BMP file without its 14-byte file header, which tells where
// the pixels start: after the info header and the colour table.
QByteArray bmpFromDib(const QByteArray &dib) {
    constexpr qsizetype infoHeaderSize = 40;
    const quint32 headerSize = littleEndian32(dib, 0);
    if (headerSize < infoHeaderSize || headerSize > quint32(dib.size()))
        return {};
    const int bitsPerPixel = quint8(dib[14]) | quint8(dib[15]) << 8;
    const quint32 compression = littleEndian32(dib, 16);
    quint32 colours = littleEndian32(dib, 32);
    if (colours == 0 && bitsPerPixel <= 8)
        colours = 1u << bitsPerPixel;
    constexpr quint32 bitFields = 3;
    const quint32 masks = headerSize == infoHeaderSize && compression == bitFields ? 12 : 0;
    const quint64 pixelsAt = 14 + quint64(headerSize) + masks + quint64(colours) * 4;
    if (pixelsAt > quint64(dib.size()) + 14)
        return {};
    QByteArray bmp("BM");
    const auto append32 = [&bmp](quint64 value) {
        for (int shift = 0; shift < 32; shift += 8)
            bmp += char(value >> shift & 0xFF);
    };
    append32(14 + quint64(dib.size()));
    append32(0);
    append32(pixelsAt);
    return bmp + dib;
}

} // namespace

QByteArray RtfPicture::type() const {
    if (m_type == "png" || m_type == "jpeg" || m_type == "emfblip" || m_type == "macpict")
        return m_type;
    // Windows metafiles name their mapping mode; Word's and every reader's default is 8.
    const int parameter = m_type == "wmetafile" && m_typeParameter <= 0 ? 8 : m_typeParameter;
    return m_type + QByteArray::number(std::max(0, parameter));
}

QImage RtfPicture::decode(qint64 maxBytes) const {
    // Data that does not start as its format says is not handed to a decoder, which would warn.
    const bool png = m_type == "png" && m_data.startsWith("\x89PNG");
    const bool jpeg = m_type == "jpeg" && m_data.startsWith("\xff\xd8");
    const QByteArray bmp = m_type == "dibitmap" ? bmpFromDib(m_data) : QByteArray();
    if (!png && !jpeg && bmp.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bmp.isEmpty() ? m_data : bmp);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, bmp.isEmpty() ? m_type : QByteArray("bmp"));
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

QString RtfPicture::kindName() const {
    if (m_type == "emfblip")
        return QStringLiteral("EMF picture");
    if (m_type == "wmetafile")
        return QStringLiteral("WMF picture");
    if (m_type == "macpict")
        return QStringLiteral("Macintosh PICT picture");
    if (m_type == "dibitmap" || m_type == "wbitmap")
        return QStringLiteral("bitmap picture");
    if (m_type == "pmmetafile")
        return QStringLiteral("OS/2 metafile picture");
    if (m_type == "png" || m_type == "jpeg")
        return m_type.toUpper() + QStringLiteral(" picture");
    return {};
}

QImage placeholderPicture(QSize size, const QString &kind) {
    // Drawn at the size it is shown at, so that its text is not scaled; bounded, as the goal
    // sizes come from the file.
    const QSize shown = size.boundedTo(QSize(4000, 4000)).expandedTo(QSize(8, 8));
    QImage image(shown, QImage::Format_RGB32);
    image.fill(QColor(0xf4, 0xf4, 0xf4));
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.drawText(image.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, kind);
    return image;
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
