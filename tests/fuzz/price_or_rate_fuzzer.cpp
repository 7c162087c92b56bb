// libFuzzer target for readAmount, the reading Calculate uses for the price and the rate, in
// several locales. Beyond the sanitizers' checks: never NaN, a whole-text number is taken as it
// is, and a text that is no number or cannot be read gives 0.

#include "fuzz_support.h"

#include <cmath>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const NumberLocale locale = fuzz::locale(input.byte());
    const QString text = QString::fromUtf8(input.rest());
    const AmountReading reading = readAmount(text, locale);
    fuzz::require(!std::isnan(reading.value), "readAmount never gives NaN", text);
    fuzz::require(reading.kind == AmountReading::Kind::Number || reading.value == 0,
                  "no number and an unreadable one give 0", text);
    if (const std::optional<double> whole = wholeTextNumber(text, locale)) {
        fuzz::require(reading.kind == AmountReading::Kind::Number &&
                          (reading.value == *whole || (reading.value == 0 && *whole == 0)),
                      "the whole-text number when there is one", text);
    }
    return 0;
}
