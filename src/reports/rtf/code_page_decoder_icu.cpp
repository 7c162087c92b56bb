#include "system_code_page.h"

#include <QStringDecoder>

#include <memory>

namespace quillon {

namespace {

// The names Qt's converters (ICU) know the Windows code pages by. ICU has the single-byte Mac
// code pages but not the double-byte ones, which are then read through their Windows relatives.
QByteArray converterName(int codePage) {
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
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
    case 10001:
    case 10002:
    case 10003:
    case 10008:
        return {};
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

// Windows' table for 932 gives the four single bytes it leaves unassigned characters of the
// private use area (0xA0, 0xFD, 0xFE, 0xFF: U+F8F0 to U+F8F3), where ICU's gives its substitute
// character; read as Windows reads them, a document written there comes back the same here.
RunDecoder withWindowsSingleBytesOf932(RunDecoder run) {
    return [run = std::move(run)](QByteArrayView bytes) {
        QString text;
        qsizetype from = 0;
        for (qsizetype at = 0; at < bytes.size(); ++at) {
            const auto byte = uchar(bytes[at]);
            if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
                ++at; // a lead byte: the next one is its second, whatever its value
                continue;
            }
            if (byte != 0xA0 && byte < 0xFD)
                continue;
            text += run(bytes.sliced(from, at - from));
            text += QChar(byte == 0xA0 ? 0xF8F0 : 0xF8F1 + (byte - 0xFD));
            from = at + 1;
        }
        return text + run(bytes.sliced(qMin(from, bytes.size())));
    };
}

} // namespace

int plainTextCodePage() {
    return 1252;
}

RunDecoder systemCodePageDecoder(int codePage) {
    // Qt's own UTF-8 reading turns an incomplete sequence at the end into U+FFFD; the line feed
    // that ends the other multi-byte runs below would be taken into the broken sequence instead,
    // and the lead byte lost with it.
    if (codePage == 65001)
        return [](QByteArrayView bytes) { return QString::fromUtf8(bytes); };
    const QByteArray name = converterName(codePage);
    if (name.isEmpty())
        return {};
    // Shared, as a decoder cannot be copied and the function holding it is.
    auto decoder = std::make_shared<QStringDecoder>(name.constData());
    if (!decoder->isValid())
        return {};
    if (!isMultiByteCodePage(codePage))
        return [decoder](QByteArrayView bytes) { return decoder->decode(bytes); };
    RunDecoder run = [decoder](QByteArrayView bytes) {
        QString text = decoder->decode(bytes);
        // A line feed is never the second byte of a character in these code pages, so it ends
        // what is pending: the converter turns a lone lead byte into U+FFFD (or into U+001A, the
        // substitute character some of ICU's tables use instead; a control character never
        // reaches the document anyway).
        QString rest = decoder->decode(QByteArrayView("\n", 1));
        rest.chop(1);
        rest.replace(QChar(0x1A), QChar::ReplacementCharacter);
        return text + rest;
    };
    return codePage == 932 ? withWindowsSingleBytesOf932(std::move(run)) : run;
}

} // namespace quillon
