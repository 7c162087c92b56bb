#include "amount_format.h"

#include <array>

namespace quillon {

QString formatAmount(Money amount, const NumberLocale &locale) {
    // Work on the magnitude as an unsigned count so that the smallest amount has one too, and so
    // that rounding half a cent up the magnitude rounds away from zero for either sign.
    const quint64 magnitude = amount.count() < 0 ? quint64(0) - static_cast<quint64>(amount.count())
                                                 : static_cast<quint64>(amount.count());
    const quint64 cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    // In the locale's own digits, as its separators and its dates are written.
    const auto digit = [&locale](quint64 value) {
        return static_cast<char32_t>(locale.zeroDigit + value % 10);
    };

    // Filled from the right in one buffer, as this runs ten times per click: at most 15 integer
    // digits, 4 group separators, a sign, the decimal point and two decimals.
    std::array<char32_t, 32> buffer;
    qsizetype start = buffer.size();
    buffer[--start] = digit(cents);
    buffer[--start] = digit(cents / 10);
    buffer[--start] = locale.decimalPoint.unicode();
    quint64 whole = cents / 100;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            buffer[--start] = locale.groupSeparator.unicode();
            inGroup = 0;
        }
        buffer[--start] = digit(whole);
        whole /= 10;
        ++inGroup;
    } while (whole != 0);
    if (amount.count() < 0 && cents != 0)
        buffer[--start] = U'-';
    return QString::fromUcs4(buffer.data() + start, static_cast<qsizetype>(buffer.size()) - start);
}

} // namespace quillon
