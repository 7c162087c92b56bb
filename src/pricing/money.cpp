#include "money.h"

#include <QtNumeric>

#include <cmath>

namespace quillon {

namespace {

// 2^63 is exact as a double, unlike the largest count 2^63 - 1, which would round up to it.
constexpr double countLimit = 9223372036854775808.0;

// Round half to even without depending on the floating-point environment's rounding mode.
double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double excess = value - below; // exact: both lie within one unit of each other
    if (excess > 0.5)
        return below + 1.0;
    if (excess < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

std::optional<Money> Money::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double count = roundHalfToEven(value * 10000.0);
    if (!(count >= -countLimit && count < countLimit))
        return std::nullopt;
    return Money(static_cast<qint64>(count));
}

std::optional<Money> add(Money a, Money b) {
    qint64 sum = 0;
    if (qAddOverflow(a.count(), b.count(), &sum))
        return std::nullopt;
    return Money::fromCount(sum);
}

std::optional<Money> subtract(Money a, Money b) {
    qint64 difference = 0;
    if (qSubOverflow(a.count(), b.count(), &difference))
        return std::nullopt;
    return Money::fromCount(difference);
}

} // namespace quillon
