#pragma once

#include "money.h"
#include "number_reading.h"

#include <QString>

namespace quillon {

// Formats an amount as "##,##0.00": at least one integer digit, groups of three, exactly two
// decimals (an exact half cent rounds away from zero), a leading "-" when negative, no currency
// sign; the digits and separators are the locale's own (Egyptian Arabic "١٬٤٠٢٫٩١").
//
//   formatAmount(Money::fromCount(14029091), english) == "1,402.91"
QString formatAmount(Money amount, const NumberLocale &locale);

} // namespace quillon
