#include "code_page_decoder.h"

#include "system_code_page.h"

namespace quillon {

namespace {

constexpr int utf8CodePage = 65001;
constexpr int fallbackCodePage = 1252;

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

// The Windows code page of the same script as a Mac double-byte code page (from TextEdit): both
// are built on the same national standard (JIS X 0208, GB 2312, Big5, KS C 5601) and differ only
// in a few vendor additions, so a system without the Mac table reads the text with this one.
int windowsRelative(int codePage) {
    switch (codePage) {
    case 10001:
        return 932;
    case 10002:
        return 950;
    case 10003:
        return 949;
    case 10008:
        return 936;
    default:
        return 0;
    }
}

// Latin-1, which every system has: the last resort, so that text is never dropped.
QString decodeLatin1(QByteArrayView bytes) {
    return QString::fromLatin1(bytes.data(), bytes.size());
}

} // namespace

bool isMultiByteCodePage(int codePage) {
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

int knownCodePageOr1252(int codePage) {
    return isKnownCodePage(codePage) ? codePage : fallbackCodePage;
}

CodePageDecoder::CodePageDecoder(int codePage) {
    if (isKnownCodePage(codePage)) {
        m_decode = systemCodePageDecoder(codePage);
        if (!m_decode && windowsRelative(codePage) != 0)
            m_decode = systemCodePageDecoder(windowsRelative(codePage));
        if (m_decode) {
            m_codePage = codePage;
            return;
        }
    }
    m_codePage = fallbackCodePage;
    m_decode = systemCodePageDecoder(fallbackCodePage);
    if (!m_decode)
        m_decode = decodeLatin1;
}

QString CodePageDecoder::decode(QByteArrayView bytes) {
    return m_decode(bytes);
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
