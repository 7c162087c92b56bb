// libFuzzer target for priceOrRate, the reading Calculate uses for the price and the rate, in
// several locales. Beyond the sanitizers' checks: never NaN, a whole-text number is taken as it
// is, and otherwise the text's leading number.

#include "fuzz_support.h"

#include <cmath>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const NumberLocale locale = fuzz::locale(input.byte());
    const QString text = QString::fromUtf8(input.rest());
    const double value = priceOrRate(text, locale);
    fuzz::require(!std::isnan(value), "priceOrRate never gives NaN", text);
    const std::optional<double> whole = wholeTextNumber(text, locale);
    const double expected = whole ? *whole : leadingNumber(text);
    fuzz::require(value == expected || (value == 0 && expected == 0),
                  "the whole-text number when there is one, else the leading number", text);
    return 0;
}
