#include "quote_from_pricing.h"

#include "amount_format.h"

#include <QRegularExpression>

namespace quillon {

QuoteReport quoteFromPricing(const PricingState &state, const QuoteRequest &request,
                             const NumberLocale &locale) {
    const auto amount = [&locale](Money value) { return formatAmount(value, locale); };
    QuoteReport report;
    report.date = request.date;
    report.time = request.time;
    report.client = oneLineName(request.client);
    report.product = oneLineName(request.product);
    report.purchasePrice = amount(state.purchasePrice);
    report.gstPaid = amount(state.gstPaid);
    report.purchaseExGst = amount(state.purchaseExGst);
    report.markup = oneLineName(state.markupTextUsed.value_or(request.selectedMarkup));
    report.totalWithMarkup = amount(state.totalWithMarkup);
    report.customerGst = amount(state.customerGst);
    report.salesPrice = amount(state.salesPrice);
    report.cashHeld = amount(state.cashHeld);
    report.profit = amount(state.profit);
    report.gstToPay = amount(state.gstToPay);
    report.gstToClaim = amount(state.gstPaid);
    report.netGstOwing = amount(state.netGstOwing);
    return report;
}

QString oneLineName(const QString &name) {
    // CR LF, then any single line break of Unicode's (LF, VT, FF, CR, NEL, LS, PS), or a tab.
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\n\v\f\r\u0085\u2028\u2029\t]"));
    return QString(name).replace(breaks, QStringLiteral(" "));
}

} // namespace quillon
