#include "code_page_decoder.h"

#include "cp1252.h"

namespace quillon {

namespace {

constexpr int utf8CodePage = 65001;

// Names the system converters know the Windows code pages by.
QByteArray converterName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    case utf8CodePage:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

bool isWindowsCodePage(int codePage) {
    return codePage == 437 || codePage == 850 || codePage == 874 || codePage == 932 ||
           codePage == 936 || codePage == 949 || codePage == 950 ||
           (codePage >= 1250 && codePage <= 1258) || codePage == 10000 || codePage == utf8CodePage;
}

} // namespace

CodePageDecoder::CodePageDecoder(int codePage) {
    if (codePage == 1252 || !isWindowsCodePage(codePage))
        return;
    QStringDecoder decoder(converterName(codePage).constData());
    if (!decoder.isValid())
        return;
    m_codePage = codePage;
    m_decoder = std::move(decoder);
}

QString CodePageDecoder::decode(QByteArrayView bytes) {
    if (m_codePage == 1252)
        return decodeCp1252(bytes);
    return m_decoder.decode(bytes);
}

} // namespace quillon
