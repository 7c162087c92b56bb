#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextFormat>

namespace quillon {

// Where an image read from RTF keeps its file as it came, so that writing it back needs no new
// encoding: the bytes; "png", "jpeg", or the RTF word naming another format with its parameter
// ("wmetafile8", "emfblip", "dibitmap0"); and, for those others, the size the file gave (\picw,
// \pich, in the format's own units).
constexpr int pictureDataProperty = QTextFormat::UserProperty + 0x5201;
constexpr int pictureTypeProperty = QTextFormat::UserProperty + 0x5202;
constexpr int pictureSizeProperty = QTextFormat::UserProperty + 0x5203;

// One {\pict ...} group as read: its properties, then its data as hex digits or \bin bytes.
class RtfPicture {
public:
    // A document's pictures together may take this much memory in pixels; a small file can claim
    // many huge pictures.
    static constexpr qint64 maxDecodedBytes = qint64(256) * 1024 * 1024;

    // "png", "jpeg", or the RTF word naming another format (\wmetafile, \emfblip, ...) and its
    // parameter (the mapping mode of \wmetafile8).
    void setType(const QByteArray &type, int parameter = 0);
    // \picw and \pich: the picture's size in its format's own units.
    void setSourceWidth(int width) { m_width = width; }
    void setSourceHeight(int height) { m_height = height; }
    // The size the file asks for, in twips (\picwgoal, \pichgoal), and the scale in percent
    // (\picscalex, \picscaley).
    void setWidthGoal(int twips);
    void setHeightGoal(int twips);
    void setScaleX(int percent);
    void setScaleY(int percent);
    void appendHex(QByteArrayView digits);
    void appendBinary(QByteArrayView bytes);

    // The decoded PNG, JPEG or device-independent bitmap (DIB) picture; null for other formats,
    // for data that does not decode and for a picture whose pixels would take more than
    // `maxBytes`.
    QImage decode(qint64 maxBytes = maxDecodedBytes) const;
    QByteArray data() const { return m_data; }
    // As pictureTypeProperty holds it.
    QByteArray type() const;
    // \picw and \pich.
    QSize sourceSize() const { return {m_width, m_height}; }
    // The size to show it at in document units, from the sizes the file asks for (\picwgoal,
    // \pichgoal, \picscalex, \picscaley), or the image's own when it gives none.
    QSizeF displaySize(const QImage &image) const;
    // How to name a picture that is not kept ("a WMF picture", ...).
    QString lostName() const;
    // What the frame shown in place of a picture Qt cannot draw says ("WMF picture", ...); empty
    // when the group names no format.
    QString kindName() const;

private:
    QByteArray m_type; // "png", "jpeg", or the RTF word naming another format
    int m_typeParameter = 0;
    int m_width = 0;
    int m_height = 0;
    QByteArray m_data;
    int m_pendingNibble = -1;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

// A frame of `size` naming `kind`, drawn in place of a picture, an object or a shape that Qt
// cannot draw. Needs a QGuiApplication (it draws text).
QImage placeholderPicture(QSize size, const QString &kind);

} // namespace quillon
