#pragma once

#include <QtGlobal>

#include <optional>

namespace quillon {

// A signed fixed-point amount with four decimal places, held as a 64-bit count of
// ten-thousandths: -922,337,203,685,477.5808 to 922,337,203,685,477.5807.
//
// Addition and subtraction are exact. A double becomes Money by rounding value x 10,000 to the
// nearest integer, an exact tie going to the even neighbour; a value outside the range, NaN or an
// infinity is refused rather than wrapped.
//
//   Money::fromDouble(1.23456) == Money::fromCount(12346)
class Money {
public:
    constexpr Money() = default;

    static constexpr Money fromCount(qint64 tenThousandths) { return Money(tenThousandths); }
    // Nothing when `value` x 10,000 does not round into the range.
    static std::optional<Money> fromDouble(double value);

    constexpr qint64 count() const { return m_count; }
    double toDouble() const { return static_cast<double>(m_count) / 10000.0; }

    friend constexpr bool operator==(Money, Money) = default;

private:
    constexpr explicit Money(qint64 count)
        : m_count(count) {}

    qint64 m_count = 0;
};

// Exact sum and difference; nothing when the result leaves the range.
std::optional<Money> add(Money a, Money b);
std::optional<Money> subtract(Money a, Money b);

} // namespace quillon
