#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillon {

// Windows code page 1252, carried here because Qt promises no codec for it on every platform.
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters of the same value, as Windows itself does.
char16_t cp1252ToUnicode(unsigned char byte);

// Decodes bytes in code page 1252: decodeCp1252("caf\xe9") is "café".
QString decodeCp1252(QByteArrayView bytes);

} // namespace quillon
