#include "text_decoding.h"

#include "code_page_decoder.h"
#include "system_code_page.h"

#include <QStringDecoder>

namespace quillon {

QString decodeTextFile(QByteArrayView bytes) {
    QString text;
    // A byte-order mark names the encoding, and the decoder drops it. (UTF-32's little-endian
    // mark begins with UTF-16's; Qt asks for the longer one first.)
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringDecoder::Flag::Stateless);
        text = decoder.decode(bytes);
    } else {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8.decode(bytes);
        // Windows reads the five bytes code page 1252 leaves undefined as the control characters
        // of the same value, and so does the system's converter.
        if (utf8.hasError())
            text = CodePageDecoder(plainTextCodePage()).decode(bytes);
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace quillon
