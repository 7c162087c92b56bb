// libFuzzer target for calculate: arbitrary price and rate texts, any option (also ones no
// button has) and custom markup answer, in several locales, twice in a row so that the second
// calculation starts from whatever the first one left. Beyond the sanitizers' checks each result
// is either valid (the sums adding up) or the range warning with the previous state kept.

#include "fuzz_support.h"
#include "price_calculation.h"

using namespace quillon;

namespace {

void checkResult(const CalculationInput &input, const PricingState &previous,
                 const CalculationResult &result) {
    const QString detail = input.priceText + QStringLiteral(" | ") + input.rateText +
                           QStringLiteral(" | option ") + QString::number(input.selectedOption);
    fuzz::require(result.emptyPriceWarning == input.priceText.isEmpty(),
                  "the empty-price warning exactly for an empty price", detail);
    if (result.outOfRange) {
        fuzz::require(result.state == previous, "out of range keeps the previous state", detail);
        return;
    }

    const PricingState &state = result.state;
    const auto sum = [](Money a, Money b) { return add(a, b); };
    fuzz::require(sum(state.purchaseExGst, state.gstPaid) == state.purchasePrice,
                  "price without GST plus GST paid is the price", detail);
    fuzz::require(sum(state.purchasePrice, state.cashHeld) == state.salesPrice,
                  "price plus cash held is the sales price", detail);
    fuzz::require(sum(state.purchaseExGst, state.profit) == state.totalWithMarkup,
                  "price without GST plus profit is the total with markup", detail);
    fuzz::require(sum(state.gstPaid, state.netGstOwing) == state.customerGst,
                  "GST paid plus net GST owing is the customer's GST", detail);
    fuzz::require(state.gstToPay == state.customerGst, "GST to pay is the customer's GST", detail);
    fuzz::require(state.customMarkupRate == previous.customMarkupRate &&
                      state.customMarkupText == previous.customMarkupText,
                  "the custom markup answer is not changed by Calculate", detail);
    if (result.emptyPriceWarning || result.unreadablePriceWarning) {
        fuzz::require(state.purchasePrice == previous.purchasePrice &&
                          state.salesPrice == previous.salesPrice,
                      "an empty or unreadable price keeps the last prices", detail);
    }
}

CalculationInput takeInput(fuzz::Input &input) {
    CalculationInput calculation;
    // Options 0 to 9 are the buttons' (0: none selected); a few beyond must be harmless too.
    calculation.selectedOption = input.byte() % 12;
    calculation.priceText = input.text();
    calculation.rateText = input.text();
    return calculation;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const NumberLocale locale = fuzz::locale(input.byte());

    PricingState previous;
    const QString answer = input.text();
    if (!answer.isEmpty()) {
        previous.customMarkupText = answer;
        previous.customMarkupRate = customMarkupRate(answer, locale);
    }
    for (int round = 0; round < 2; ++round) {
        const CalculationInput calculation = takeInput(input);
        const CalculationResult result = calculate(calculation, previous, locale);
        checkResult(calculation, previous, result);
        previous = result.state;
    }
    return 0;
}
