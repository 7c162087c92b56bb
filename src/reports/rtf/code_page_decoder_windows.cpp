#include "system_code_page.h"

#include <windows.h>

namespace quillon {

namespace {

// How many bytes of `bytes` form whole characters: all of them, unless the run ends in a lead
// byte of a double-byte code page whose second byte is in the next run.
qsizetype wholeCharacterBytes(UINT codePage, QByteArrayView bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = IsDBCSLeadByteEx(codePage, BYTE(bytes[at])) ? 2 : 1;
        if (at + length > bytes.size())
            return at;
        at += length;
    }
    return at;
}

QString convert(UINT codePage, QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    // No character takes more UTF-16 units than it has bytes in these code pages.
    QString text(bytes.size(), Qt::Uninitialized);
    const int length =
        MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    text.resize(length);
    return text;
}

} // namespace

int plainTextCodePage() {
    return int(GetACP());
}

RunDecoder systemCodePageDecoder(int codePage) {
    if (codePage <= 0 || !IsValidCodePage(UINT(codePage)))
        return {};
    const auto page = UINT(codePage);
    // UTF-8 is not a double-byte code page: Windows itself turns an incomplete sequence at the
    // end into U+FFFD.
    if (!isMultiByteCodePage(codePage) || page == CP_UTF8)
        return [page](QByteArrayView bytes) { return convert(page, bytes); };
    return [page](QByteArrayView bytes) {
        const qsizetype whole = wholeCharacterBytes(page, bytes);
        QString text = convert(page, bytes.first(whole));
        if (whole < bytes.size())
            text += QChar::ReplacementCharacter;
        return text;
    };
}

} // namespace quillon
