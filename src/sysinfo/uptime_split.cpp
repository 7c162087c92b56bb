#include "uptime_split.h"

namespace quillon {

namespace {

constexpr quint32 msPerSecond = 1000;
constexpr quint32 msPerMinute = 60 * msPerSecond;
constexpr quint32 msPerHour = 60 * msPerMinute;
constexpr quint32 msPerDay = 24 * msPerHour;

} // namespace

quint32 tickCountAfter(std::chrono::milliseconds sinceStart) {
    return static_cast<quint32>(static_cast<quint64>(sinceStart.count()));
}

UptimeParts splitUptime(quint32 tickCount) {
    UptimeParts parts;
    parts.days = tickCount / msPerDay;
    tickCount %= msPerDay;
    parts.hours = tickCount / msPerHour;
    tickCount %= msPerHour;
    parts.minutes = tickCount / msPerMinute;
    tickCount %= msPerMinute;
    parts.seconds = tickCount / msPerSecond;
    return parts;
}

std::array<QString, 4> uptimeTexts(const UptimeParts &parts) {
    return {QString::number(parts.days) + QLatin1StringView(" days"),
            QString::number(parts.hours) + QLatin1StringView(" hours"),
            QString::number(parts.minutes) + QLatin1StringView(" minutes"),
            QString::number(parts.seconds) + QLatin1StringView(" seconds")};
}

} // namespace quillon
