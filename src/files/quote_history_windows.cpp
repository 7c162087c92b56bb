#include "quote_history.h"

#include "safe_file.h"

#include <QFileDevice>
#include <QStringDecoder>
#include <QStringEncoder>

#include <functional>

namespace quillon {

namespace {

constexpr qint64 kBlock = 1 << 20;

// Reads `from` from `offset` to its end a block at a time, never the whole history at once.
std::optional<QString> readBlocks(QFileDevice &from, qint64 offset,
                                  const std::function<bool(const QByteArray &)> &take) {
    if (!from.seek(offset))
        return from.errorString();
    while (!from.atEnd()) {
        const QByteArray block = from.read(kBlock);
        if (from.error() != QFileDevice::NoError)
            return from.errorString();
        if (!take(block))
            break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> copyHistory(QFileDevice &from, qint64 offset, QIODevice &to) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    if (auto failed = readBlocks(from, offset, [&utf8](const QByteArray &block) {
            // The decoding is lazy: only the text made of it decodes.
            const QString text = utf8.decode(block);
            return !utf8.hasError();
        }))
        return failed;
    if (!utf8.hasError())
        return copyFileTail(from, offset, to);

    // The system's converter keeps a double-byte character whole across the blocks.
    QStringDecoder ansi(QStringDecoder::System);
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    std::optional<QString> writeFailed;
    if (auto failed = readBlocks(from, offset, [&](const QByteArray &block) {
            const QString text = ansi.decode(block);
            const QByteArray bytes = toUtf8.encode(text);
            writeFailed = writeWhole(to, bytes);
            return !writeFailed;
        }))
        return failed;
    return writeFailed;
}

} // namespace quillon
