#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextFormat>

namespace quillon {

// Where an image read from RTF keeps its file as it came, so that writing it back needs no new
// encoding: the bytes, and "png" or "jpeg".
constexpr int pictureDataProperty = QTextFormat::UserProperty + 0x5201;
constexpr int pictureTypeProperty = QTextFormat::UserProperty + 0x5202;

// One {\pict ...} group as read: its properties, then its data as hex digits or \bin bytes.
class RtfPicture {
public:
    // A document's pictures together may take this much memory in pixels; a small file can claim
    // many huge pictures.
    static constexpr qint64 maxDecodedBytes = qint64(256) * 1024 * 1024;

    // "png", "jpeg", or the RTF word naming another format (\wmetafile, \emfblip, ...).
    void setType(const QByteArray &type) { m_type = type; }
    // The size the file asks for, in twips (\picwgoal, \pichgoal), and the scale in percent
    // (\picscalex, \picscaley).
    void setWidthGoal(int twips);
    void setHeightGoal(int twips);
    void setScaleX(int percent);
    void setScaleY(int percent);
    void appendHex(QByteArrayView digits);
    void appendBinary(QByteArrayView bytes);

    // The decoded PNG or JPEG picture; null for other formats, for data that does not decode and
    // for a picture whose pixels would take more than `maxBytes`.
    QImage decode(qint64 maxBytes = maxDecodedBytes) const;
    QByteArray data() const { return m_data; }
    QByteArray type() const { return m_type; }
    // The size to show it at in document units, from the sizes the file asks for (\picwgoal,
    // \pichgoal, \picscalex, \picscaley), or the image's own when it gives none.
    QSizeF displaySize(const QImage &image) const;
    // How to name a picture that is not kept ("a WMF picture", ...).
    QString lostName() const;

private:
    QByteArray m_type; // "png", "jpeg", or the RTF word naming another format
    QByteArray m_data;
    int m_pendingNibble = -1;
    int m_widthGoal = 0;
    int m_heightGoal = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

} // namespace quillon
