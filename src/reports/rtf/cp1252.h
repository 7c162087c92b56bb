#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillon {

// Decodes bytes in Windows code page 1252: decodeCp1252("caf\xe9") is "café". The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the
// same value, as Windows itself reads them.
QString decodeCp1252(QByteArrayView bytes);

} // namespace quillon
