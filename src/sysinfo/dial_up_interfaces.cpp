#include "dial_up_interfaces.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace quillon {

namespace {

constexpr uint pppType = 512; // ARPHRD_PPP
constexpr uint upFlag = 0x1;  // IFF_UP

std::optional<uint> attributeNumber(const QByteArray &text) {
    bool ok = false;
    // Base 0 reads the flags' "0x" hex as well as the decimal attributes.
    const uint number = text.trimmed().toUInt(&ok, 0);
    return ok ? std::optional(number) : std::nullopt;
}

bool isActive(const SysfsNetworkInterface &candidate) {
    const QByteArray state = candidate.operState.trimmed();
    if (state == "up")
        return true;
    if (state != "unknown")
        return false;
    const std::optional<uint> flags = attributeNumber(candidate.flags);
    return flags && (*flags & upFlag);
}

} // namespace

QStringList activeDialUpNames(const QList<SysfsNetworkInterface> &interfaces) {
    QList<std::pair<uint, QString>> links;
    for (const SysfsNetworkInterface &candidate : interfaces) {
        const std::optional<uint> index = attributeNumber(candidate.index);
        if (index && attributeNumber(candidate.type) == pppType && isActive(candidate))
            links.append({*index, candidate.name});
    }
    std::stable_sort(links.begin(), links.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList names;
    for (const auto &link : std::as_const(links))
        names.append(link.second);
    return names;
}

} // namespace quillon
