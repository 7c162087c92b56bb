#include "cp1252.h"

#include "code_page_decoder.h"

namespace quillon {

QString decodeCp1252(QByteArrayView bytes) {
    return CodePageDecoder(1252).decode(bytes);
}

} // namespace quillon
