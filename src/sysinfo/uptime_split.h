#pragma once

#include <QString>

#include <array>
#include <chrono>

namespace quillon {

// The time since the system started, split into whole parts; milliseconds are dropped.
struct UptimeParts {
    quint32 days = 0;    // 0 to 49
    quint32 hours = 0;   // 0 to 23
    quint32 minutes = 0; // 0 to 59
    quint32 seconds = 0; // 0 to 59

    friend bool operator==(const UptimeParts &, const UptimeParts &) = default;
};

// The 32-bit tick count for a time since start: milliseconds, starting again at 0 after
// 4,294,967,295.
//
//   tickCountAfter(std::chrono::milliseconds(4'294'967'296)) == 0
quint32 tickCountAfter(std::chrono::milliseconds sinceStart);

// Splits a tick count (milliseconds) into days, hours, minutes and seconds. A part is never
// raised by the fraction below it.
//
//   splitUptime(90'061'001) == UptimeParts{1, 1, 1, 1}
UptimeParts splitUptime(quint32 tickCount);

// The four box texts: "<days> days", "<hours> hours", "<minutes> minutes", "<seconds> seconds",
// plain digits and always the plural word.
std::array<QString, 4> uptimeTexts(const UptimeParts &parts);

} // namespace quillon
