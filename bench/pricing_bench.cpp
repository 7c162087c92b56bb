// The pricing work behind Calculate and the custom markup choice.
#include "amount_format.h"
#include "money.h"
#include "number_reading.h"
#include "price_calculation.h"

#include <benchmark/benchmark.h>

#include <array>

namespace quillon {
namespace {

// Typical amounts of a shop: whole and cent prices, small and large.
constexpr std::array<double, 4> kAmounts = {110.0, 1402.9091, 19.95, 2'500'000.125};

void benchMoneyFromDouble(benchmark::State &state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Money::fromDouble(kAmounts[i++ % kAmounts.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchMoneyFromDouble);

void benchMoneyToDouble(benchmark::State &state) {
    Money amount = Money::fromCount(14029091);
    for (auto _ : state) {
        benchmark::DoNotOptimize(amount);
        benchmark::DoNotOptimize(amount.toDouble());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchMoneyToDouble);

void benchLeadingNumber(benchmark::State &state) {
    const std::array<QString, 3> texts = {QStringLiteral("1402.9091"), QStringLiteral("12abc"),
                                          QStringLiteral("2 200")};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(leadingNumber(texts[i++ % texts.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchLeadingNumber);

void benchWholeTextNumber(benchmark::State &state) {
    const NumberLocale locale;
    const std::array<QString, 3> texts = {QStringLiteral("1,402.9091"), QStringLiteral("$110"),
                                          QStringLiteral("12abc")};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(wholeTextNumber(texts[i++ % texts.size()], locale));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchWholeTextNumber);

void benchFormatAmount(benchmark::State &state) {
    const NumberLocale locale;
    size_t i = 0;
    for (auto _ : state) {
        const auto amount = Money::fromDouble(kAmounts[i++ % kAmounts.size()]);
        benchmark::DoNotOptimize(formatAmount(*amount, locale));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchFormatAmount);

// One Calculate from the typed texts to the ten label texts; items/s is calculations per second
// on one core.
void benchCalculate(benchmark::State &state) {
    const NumberLocale locale;
    const std::array<CalculationInput, 3> inputs = {
        CalculationInput{QStringLiteral("110"), QStringLiteral("10"), 2},
        CalculationInput{QStringLiteral("1,402.91"), QStringLiteral("12.5"), 5},
        CalculationInput{QStringLiteral("19.95"), QStringLiteral("10"), 8},
    };
    const PricingState previous;
    // The window shows each of the ten values in a label of its own.
    constexpr std::array<Money PricingState::*, 10> shown = {
        &PricingState::gstPaid,     &PricingState::purchaseExGst, &PricingState::totalWithMarkup,
        &PricingState::customerGst, &PricingState::salesPrice,    &PricingState::cashHeld,
        &PricingState::gstToPay,    &PricingState::gstPaid,       &PricingState::netGstOwing,
        &PricingState::profit};
    size_t i = 0;
    for (auto _ : state) {
        const CalculationResult result = calculate(inputs[i++ % inputs.size()], previous, locale);
        for (Money PricingState::*amount : shown)
            benchmark::DoNotOptimize(formatAmount(result.state.*amount, locale));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchCalculate);

void benchCustomMarkupRate(benchmark::State &state) {
    const NumberLocale locale;
    const QString answer = QStringLiteral("200");
    for (auto _ : state)
        benchmark::DoNotOptimize(customMarkupRate(answer, locale));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(benchCustomMarkupRate);

} // namespace
} // namespace quillon
