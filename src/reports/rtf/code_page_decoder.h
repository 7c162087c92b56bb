#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

namespace quillon {

// Turns the 8-bit text of an RTF file into Unicode for a Windows code page number (the parameter
// of \ansicpg). Code page 1252 always works through our own table; other code pages use the
// system's converters where it has them. A code page that is unknown, invalid or not available
// here falls back to 1252, so that text is never dropped.
class CodePageDecoder {
public:
    explicit CodePageDecoder(int codePage = 1252);

    // The code page actually in use: `codePage`, or 1252 after a fallback.
    int codePage() const { return m_codePage; }

    // Decodes a run of bytes. Multi-byte code pages keep an incomplete character for the next call.
    QString decode(QByteArrayView bytes);

private:
    int m_codePage = 1252;
    QStringDecoder m_decoder;
};

} // namespace quillon
