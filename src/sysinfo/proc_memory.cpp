#include "proc_memory.h"

#include <algorithm>
#include <limits>

namespace quillon {

namespace {

constexpr quint64 maxQuint64 = std::numeric_limits<quint64>::max();

std::optional<quint64> plainCount(QByteArrayView digits) {
    if (digits.isEmpty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    bool ok = false;
    const quint64 count = digits.toULongLong(&ok);
    return ok ? std::optional(count) : std::nullopt;
}

// The value part of the first line "key: value", or nothing.
std::optional<QByteArrayView> fieldValue(QByteArrayView text, QByteArrayView key) {
    qsizetype lineStart = 0;
    while (lineStart < text.size()) {
        qsizetype lineEnd = text.indexOf('\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QByteArrayView line = text.sliced(lineStart, lineEnd - lineStart);
        if (line.startsWith(key) && line.size() > key.size() && line.at(key.size()) == ':')
            return line.sliced(key.size() + 1).trimmed();
        lineStart = lineEnd + 1;
    }
    return std::nullopt;
}

// Kilobytes whose byte count fits in 64 bits, so that sums of two and percentages of them
// cannot overflow either.
std::optional<quint64> fieldKilobytes(QByteArrayView text, QByteArrayView key) {
    const std::optional<QByteArrayView> value = fieldValue(text, key);
    if (!value || !value->endsWith(" kB"))
        return std::nullopt;
    const std::optional<quint64> kilobytes = plainCount(value->chopped(3).trimmed());
    if (!kilobytes || *kilobytes > maxQuint64 / 1024)
        return std::nullopt;
    return kilobytes;
}

std::optional<quint64> sum(std::optional<quint64> a, std::optional<quint64> b) {
    if (!a || !b)
        return std::nullopt;
    return *a + *b;
}

quint64 bytes(std::optional<quint64> kilobytes) {
    if (!kilobytes || *kilobytes > maxQuint64 / 1024)
        return 0;
    return *kilobytes * 1024;
}

quint64 loadPercent(std::optional<quint64> totalKilobytes,
                    std::optional<quint64> availableKilobytes) {
    if (!totalKilobytes || !availableKilobytes || *totalKilobytes == 0)
        return 0;
    const quint64 used =
        *totalKilobytes > *availableKilobytes ? *totalKilobytes - *availableKilobytes : 0;
    return used * 100 / *totalKilobytes;
}

} // namespace

std::optional<quint64> procFieldBytes(QByteArrayView procText, QByteArrayView key) {
    const std::optional<quint64> kilobytes = fieldKilobytes(procText, key);
    if (!kilobytes)
        return std::nullopt;
    return *kilobytes * 1024;
}

quint64 userAddressSpace(std::optional<quint64> addressSpaceLimit, quint64 architectureSize) {
    return addressSpaceLimit ? std::min(*addressSpaceLimit, architectureSize) : architectureSize;
}

MemoryFigures memoryFiguresFromProc(QByteArrayView meminfo, QByteArrayView status,
                                    quint64 addressSpace) {
    const std::optional<quint64> total = fieldKilobytes(meminfo, "MemTotal");
    const std::optional<quint64> available = fieldKilobytes(meminfo, "MemAvailable");
    const std::optional<quint64> swapTotal = fieldKilobytes(meminfo, "SwapTotal");
    const std::optional<quint64> swapFree = fieldKilobytes(meminfo, "SwapFree");
    const std::optional<quint64> used = procFieldBytes(status, "VmSize");

    MemoryFigures figures;
    figures.loadPercent = loadPercent(total, available);
    figures.totalPhysical = bytes(total);
    figures.availablePhysical = bytes(available);
    figures.totalPageFile = bytes(sum(total, swapTotal));
    figures.availablePageFile = bytes(sum(available, swapFree));
    figures.totalVirtual = addressSpace;
    figures.availableVirtual = used && *used < addressSpace ? addressSpace - *used : 0;
    return figures;
}

} // namespace quillon
