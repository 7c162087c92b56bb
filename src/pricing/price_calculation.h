#pragma once

#include "money.h"
#include "number_reading.h"

#include <QString>

#include <optional>

namespace quillon {

// The main window's pricing state: the results of the last calculation and the last custom
// markup answer.
struct PricingState {
    Money purchasePrice;
    Money gstPaid;
    Money purchaseExGst;
    Money totalWithMarkup;
    Money salesPrice;
    Money cashHeld;
    Money profit;
    Money customerGst;
    Money gstToPay;
    Money netGstOwing;
    std::optional<QString> customMarkupText;
    std::optional<double> customMarkupRate;
    // The markup text ("10%", "200%") of the markup the total with markup was worked out with,
    // so that a quote states the markup of its figures; absent before the first calculation.
    std::optional<QString> markupTextUsed;

    friend bool operator==(const PricingState &, const PricingState &) = default;
};

// The markup choice: the option button that is selected, 1 to 9 (9 is the custom markup), or 0
// when none is.
struct CalculationInput {
    QString priceText;
    QString rateText;
    int selectedOption = 1;
};

struct CalculationResult {
    // The empty price was given: warn, then show the last results again with the customer's GST
    // and the activity statement worked out at the current rate.
    bool emptyPriceWarning = false;
    // The price text begins with digits that are no number in the locale's form: warn, then go
    // on as after the empty price, so that no other number is taken for it.
    bool unreadablePriceWarning = false;
    // The rate text is empty or holds no rate that can be read, and the price was read: warn; the
    // figures are worked out without GST, as they always were for an empty rate. After a price
    // warning the rate is not told, as nothing was worked out with it.
    bool rateWarning = false;
    // A value could not be held (zero divisor, out of range, not finite): warn, and keep the
    // previous state and results untouched; `state` is then the previous state. The price warnings
    // come before the rate warning, and both before this one.
    bool outOfRange = false;
    PricingState state;
};

// Works out the ten values from the price and rate texts and the markup choice, starting from the
// previous state. Pure: shows nothing, changes nothing. Price and rate are read with readAmount,
// so they may be typed the way the locale writes money and rates. With no option selected, or the
// custom option without an accepted answer, the total with markup keeps its previous value.
CalculationResult calculate(const CalculationInput &input, const PricingState &previous,
                            const NumberLocale &locale);

// The markup rate of option buttons 1 to 8 (0.05 to 0.4); `option` must be one of them.
double fixedMarkupRate(int option);

// The custom markup answer as a rate (the answer divided by 100), or nothing when the answer is
// not a number as a whole in a form the price and rate boxes take, or too large for a double. A
// percent sign may follow it ("25%").
std::optional<double> customMarkupRate(const QString &answer, const NumberLocale &locale);

// The markup percentage the report shows: "5%" to "40%" for options 1 to 8, the custom answer
// followed by "%" for option 9 (unless it ends with one), nothing when no option is selected.
std::optional<QString> markupText(int selectedOption, const std::optional<QString> &customText);

} // namespace quillon
