#include "price_calculation.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quillon {

namespace {

constexpr std::array<double, 8> fixedMarkupRates = {0.05, 0.1, 0.15, 0.2, 0.25, 0.3, 0.35, 0.4};

// The GST fraction keeps only the 15 significant digits that its decimal text form holds, so
// that amounts come out as they always have.
double toFifteenDigits(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 15)
                         .ptr;
    return leadingNumber(QString::fromLatin1(buffer.data(), end - buffer.data()));
}

// Without a usable markup choice the previous total stands.
std::optional<Money> totalWithMarkup(int selectedOption, const PricingState &state) {
    const Money exGst = state.purchaseExGst;
    if (selectedOption >= 1 && selectedOption <= 8) {
        // The markup is rounded to four decimals before it is added.
        const auto markup = Money::fromDouble(exGst.toDouble() * fixedMarkupRate(selectedOption));
        return markup ? add(*markup, exGst) : std::nullopt;
    }
    if (selectedOption == 9 && state.customMarkupRate)
        return Money::fromDouble(*state.customMarkupRate * exGst.toDouble() + exGst.toDouble());
    return state.totalWithMarkup;
}

// The purchase side and the sales price from a price; false when a value cannot be held.
bool workOutPrices(double price, double rate, int selectedOption, PricingState &state) {
    const auto purchasePrice = Money::fromDouble(price);
    // A rate of -100 divides by zero and an infinite rate gives NaN; neither converts.
    const auto gstPaid = Money::fromDouble(price / (rate + 100) * rate);
    if (!purchasePrice || !gstPaid)
        return false;
    const auto purchaseExGst = subtract(*purchasePrice, *gstPaid);
    if (!purchaseExGst)
        return false;
    state.purchasePrice = *purchasePrice;
    state.gstPaid = *gstPaid;
    state.purchaseExGst = *purchaseExGst;

    const auto total = totalWithMarkup(selectedOption, state);
    if (!total)
        return false;
    const auto gstAmount = Money::fromDouble(total->toDouble() * toFifteenDigits(rate / 100));
    const auto salesPrice = gstAmount ? add(*gstAmount, *total) : std::nullopt;
    if (!salesPrice)
        return false;
    state.totalWithMarkup = *total;
    state.salesPrice = *salesPrice;
    // Without a usable markup the total stood, and so does the markup it was worked out with.
    if (selectedOption != 9 || state.customMarkupRate) {
        if (auto text = markupText(selectedOption, state.customMarkupText))
            state.markupTextUsed = text;
    }
    return true;
}

// The results that follow from the prices, at the rate typed now; false when a value cannot be
// held.
bool workOutStatement(double rate, PricingState &state) {
    const auto cashHeld = subtract(state.salesPrice, state.purchasePrice);
    const auto profit = subtract(state.totalWithMarkup, state.purchaseExGst);
    const auto customerGst = Money::fromDouble(state.salesPrice.toDouble() / (rate + 100) * rate);
    const auto netGstOwing = customerGst ? subtract(*customerGst, state.gstPaid) : std::nullopt;
    if (!cashHeld || !profit || !netGstOwing)
        return false;
    state.cashHeld = *cashHeld;
    state.profit = *profit;
    state.customerGst = *customerGst;
    state.gstToPay = *customerGst;
    state.netGstOwing = *netGstOwing;
    return true;
}

} // namespace

CalculationResult calculate(const CalculationInput &input, const PricingState &previous,
                            const NumberLocale &locale) {
    const AmountReading price = readAmount(input.priceText, locale);
    const AmountReading rate = readAmount(input.rateText, locale);
    CalculationResult result;
    result.emptyPriceWarning = input.priceText.isEmpty();
    result.unreadablePriceWarning = price.kind == AmountReading::Kind::Unreadable;
    const bool keepPrices = result.emptyPriceWarning || result.unreadablePriceWarning;
    // A rate that cannot be read counts as no GST, as an empty one always has; it is told only
    // when prices are worked out with it, so that one click gives one warning.
    const bool rateUnread = rate.kind != AmountReading::Kind::Number;
    result.rateWarning = rateUnread && !keepPrices;
    const double rateValue = rateUnread ? 0.0 : rate.value;
    result.state = previous;
    PricingState state = previous;
    const bool held =
        (keepPrices || workOutPrices(price.value, rateValue, input.selectedOption, state)) &&
        workOutStatement(rateValue, state);
    if (!held) {
        result.outOfRange = true;
        return result;
    }
    result.state = state;
    return result;
}

double fixedMarkupRate(int option) {
    Q_ASSERT(option >= 1 && option <= 8);
    return fixedMarkupRates.at(static_cast<std::size_t>(option - 1));
}

std::optional<double> customMarkupRate(const QString &answer, const NumberLocale &locale) {
    const auto percent = wholeAmount(answer, locale);
    // An answer too large for a double is refused like one that is not a number at all.
    if (!percent || !std::isfinite(*percent))
        return std::nullopt;
    return *percent / 100;
}

std::optional<QString> markupText(int selectedOption, const std::optional<QString> &customText) {
    if (selectedOption >= 1 && selectedOption <= 8)
        return QString::number(selectedOption * 5) + QLatin1Char('%');
    if (selectedOption == 9 && customText) {
        // An answer typed as the captions show it ("25%") has its sign already.
        if (customText->endsWith(QLatin1Char('%')))
            return *customText;
        return *customText + QLatin1Char('%');
    }
    return std::nullopt;
}

} // namespace quillon
