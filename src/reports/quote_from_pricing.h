#pragma once

#include "number_reading.h"
#include "price_calculation.h"
#include "quote_report.h"

#include <QString>

namespace quillon {

// What View Report gathers besides the pricing state: the moment it started, the two answers to
// its prompts, and the markup text of the option selected now.
struct QuoteRequest {
    QString date;
    QString time;
    QString client;
    QString product;
    // Stands in the quote only before the first calculation; afterwards the quote states the
    // markup its amounts were worked out with.
    QString selectedMarkup;
};

// The quote of the last calculation: every amount in the amount format of `locale`, the markup
// the total was worked out with, and the two names on one line each, the markup too.
//
//   quoteFromPricing(state, {"15/07/2005", "2:05:09 PM", "Smith", "Desk", "10%"}, english)
//       .purchasePrice == "110.00"
QuoteReport quoteFromPricing(const PricingState &state, const QuoteRequest &request,
                             const NumberLocale &locale);

// A name as one line: every line break (CR LF counting as one) and every tab becomes one blank,
// so that a pasted name cannot break the quote file's lines.
//
//   oneLineName("Smith\r\nPty Ltd") == "Smith Pty Ltd"
QString oneLineName(const QString &name);

} // namespace quillon
