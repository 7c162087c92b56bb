#include "code_page_decoder.h"

#include <utility>

namespace quillon {

namespace {

constexpr int utf8CodePage = 65001;
constexpr int fallbackCodePage = 1252;

// The names the system converters (ICU) know the Windows code pages by. ICU has the single-byte
// Mac code pages but not the double-byte ones (Japanese, Chinese, Korean, from TextEdit); those
// are read as the Windows code page of the same script, as both are built on the same national
// standard (JIS X 0208, GB 2312, Big5, KS C 5601) and differ only in a few vendor additions.
QByteArray converterName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 932:
    case 10001: // Mac Japanese
        return "windows-932";
    case 936:
    case 10008: // Mac Simplified Chinese
        return "windows-936";
    case 949:
    case 10003: // Mac Korean
        return "windows-949";
    case 950:
    case 10002: // Mac Traditional Chinese
        return "windows-950";
    case 10000:
        return "macintosh";
    case 10006:
        return "x-mac-greek";
    case 10007:
        return "x-mac-cyrillic";
    case 10029:
        return "x-mac-centraleurroman";
    case 10081:
        return "x-mac-turkish";
    case utf8CodePage:
        return "UTF-8";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

// Code pages where one character may take more than one byte, so that a run can end inside one.
bool isMultiByte(int codePage) {
    switch (codePage) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 10001:
    case 10002:
    case 10003:
    case 10008:
    case utf8CodePage:
        return true;
    default:
        return false;
    }
}

bool isKnownCodePage(int codePage) {
    switch (codePage) {
    case 437:
    case 850:
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
    case 10000:
    case 10001:
    case 10002:
    case 10003:
    case 10006:
    case 10007:
    case 10008:
    case 10029:
    case 10081:
    case utf8CodePage:
        return true;
    default:
        return codePage >= 1250 && codePage <= 1258;
    }
}

} // namespace

int knownCodePageOr1252(int codePage) {
    return isKnownCodePage(codePage) ? codePage : fallbackCodePage;
}

CodePageDecoder::CodePageDecoder(int codePage) {
    if (isKnownCodePage(codePage)) {
        QStringDecoder decoder(converterName(codePage).constData());
        if (decoder.isValid()) {
            m_codePage = codePage;
            m_decoder = std::move(decoder);
            return;
        }
    }
    m_codePage = fallbackCodePage;
    m_decoder = QStringDecoder(converterName(fallbackCodePage).constData());
    if (!m_decoder.isValid())
        m_decoder = QStringDecoder(QStringDecoder::Latin1);
}

QString CodePageDecoder::decode(QByteArrayView bytes) {
    QString text = m_decoder.decode(bytes);
    if (!isMultiByte(m_codePage))
        return text;
    // A line feed is never the second byte of a character in these code pages, so it ends what is
    // pending: the converter turns a lone lead byte into U+FFFD (or into U+001A, the substitute
    // character some of ICU's tables use instead; a control character never reaches the document
    // anyway).
    QString rest = m_decoder.decode(QByteArrayView("\n", 1));
    rest.chop(1);
    rest.replace(QChar(0x1A), QChar::ReplacementCharacter);
    return text + rest;
}

int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 85:
        return 10006;
    case 86:
        return 10081;
    case 88:
        return 10029;
    case 89:
        return 10007;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0;
    }
}

} // namespace quillon
