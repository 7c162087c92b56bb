#include "icon_file.h"

#include <QtEndian>

namespace quillon {

namespace {

// The 16 colours of the Windows standard palette, in the order Windows numbers them.
const QList<QRgb> kStandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

void append16(QByteArray &out, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof(little));
}

void append32(QByteArray &out, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char *>(&little), sizeof(little));
}

// Rows of a bitmap are stored bottom-up, each padded to a multiple of 4 bytes.
int rowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// The bitmap of one picture as an icon file stores it: header, palette, colour bits, mask bits.
QByteArray iconBitmap(const IconPicture &picture) {
    const QImage argb = picture.image.convertToFormat(QImage::Format_ARGB32);
    const int side = argb.width();
    const int bits = picture.colours == 16 ? 4 : 8;
    // Transparent pixels are left out of the colour choice: they show whatever is behind.
    QImage opaque = argb;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                opaque.setPixel(x, y, qRgb(0, 0, 0));
    opaque = opaque.convertToFormat(QImage::Format_RGB32);
    const QImage indexed =
        bits == 4 ? opaque.convertToFormat(QImage::Format_Indexed8, kStandardPalette,
                                           Qt::ThresholdDither | Qt::AvoidDither)
                  : opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> palette = indexed.colorTable();
    palette.resize(1 << bits, qRgb(0, 0, 0));

    const int colourRow = rowBytes(side, bits);
    const int maskRow = rowBytes(side, 1);
    QByteArray out;
    append32(out, 40); // BITMAPINFOHEADER
    append32(out, quint32(side));
    append32(out, quint32(side * 2)); // colour bits and mask together
    append16(out, 1);
    append16(out, quint16(bits));
    append32(out, 0); // no compression
    append32(out, quint32((colourRow + maskRow) * side));
    append32(out, 0);
    append32(out, 0);
    append32(out, quint32(palette.size()));
    append32(out, 0);
    for (const QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < side; ++x) {
            const int index = indexed.pixelIndex(x, y);
            if (bits == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < side; ++x)
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray windowsIconFile(const QList<IconPicture> &pictures) {
    QList<QByteArray> bitmaps;
    for (const IconPicture &picture : pictures)
        bitmaps.append(iconBitmap(picture));

    QByteArray out;
    append16(out, 0);
    append16(out, 1); // an icon, not a cursor
    append16(out, quint16(pictures.size()));
    quint32 offset = quint32(6 + 16 * pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int side = pictures[i].image.width();
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(side >= 256 ? 0 : side));
        out.append(char(pictures[i].colours == 16 ? 16 : 0)); // 0: 256 colours or more
        out.append('\0');
        append16(out, 1);
        append16(out, pictures[i].colours == 16 ? 4 : 8);
        append32(out, quint32(bitmaps[i].size()));
        append32(out, offset);
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray &bitmap : bitmaps)
        out.append(bitmap);
    return out;
}

} // namespace quillon
