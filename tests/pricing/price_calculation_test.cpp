#include "amount_format.h"
#include "price_calculation.h"

#include <QTest>

using quillon::CalculationInput;
using quillon::CalculationResult;
using quillon::Money;
using quillon::NumberLocale;
using quillon::PricingState;

Q_DECLARE_METATYPE(NumberLocale)

namespace {

NumberLocale english() {
    return NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

NumberLocale german() {
    return NumberLocale::fromLocale(QLocale(QLocale::German, QLocale::Germany));
}

// The ten amounts in the order of PricingState.
QList<qint64> countsOf(const PricingState &state) {
    return {state.purchasePrice.count(),   state.gstPaid.count(),     state.purchaseExGst.count(),
            state.totalWithMarkup.count(), state.salesPrice.count(),  state.cashHeld.count(),
            state.profit.count(),          state.customerGst.count(), state.gstToPay.count(),
            state.netGstOwing.count()};
}

// The texts the Calculator tab's ten result labels show for a state, named after the labels.
struct LabelTexts {
    QString label1, label2, label9, label8, label20, label17, label24, label32, label33, label34;
};

LabelTexts labelsOf(const PricingState &state, const NumberLocale &locale = english()) {
    const auto text = [&locale](Money amount) { return quillon::formatAmount(amount, locale); };
    return {text(state.gstPaid),     text(state.purchaseExGst), text(state.totalWithMarkup),
            text(state.salesPrice),  text(state.profit),        text(state.cashHeld),
            text(state.customerGst), text(state.gstToPay),      text(state.gstPaid),
            text(state.netGstOwing)};
}

// The ten texts in the order the labels are written.
QStringList textsOf(const LabelTexts &labels) {
    return {labels.label1,  labels.label2,  labels.label9,  labels.label8,  labels.label20,
            labels.label17, labels.label24, labels.label32, labels.label33, labels.label34};
}

CalculationResult run(const QString &price, const QString &rate, int option,
                      const PricingState &previous = {}, const NumberLocale &locale = english()) {
    return quillon::calculate({price, rate, option}, previous, locale);
}

PricingState withCustomRate(double rate) {
    PricingState state;
    state.customMarkupRate = rate;
    return state;
}

// The state after 110 at 10 % with the 10 % markup.
PricingState firstExample() {
    return run(QStringLiteral("110"), QStringLiteral("10"), 2).state;
}

} // namespace

class PriceCalculationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void calculatesTheTenValues_data();
    void calculatesTheTenValues();
    void typedFormsReadAsTheirNumbers_data();
    void typedFormsReadAsTheirNumbers();
    void gstFractionKeepsFifteenDigits();
    void eachOptionHasItsRate_data();
    void eachOptionHasItsRate();
    void withoutUsableMarkupTheTotalStands_data();
    void withoutUsableMarkupTheTotalStands();
    void emptyPriceOnFirstRunShowsZeros();
    void emptyPriceRecomputesAtTheNewRate();
    void blankPriceIsCalculated();
    void outOfRangeLeavesNothing_data();
    void outOfRangeLeavesNothing();
    void customMarkupRate_data();
    void customMarkupRate();
    void markupText_data();
    void markupText();
    void markupTextUsedFollowsTheTotal_data();
    void markupTextUsedFollowsTheTotal();
};

void PriceCalculationTest::calculatesTheTenValues_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("option");
    QTest::addColumn<PricingState>("previous");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<QList<qint64>>("counts");
    QTest::addColumn<QStringList>("labels");

    const auto en = english();
    QTest::newRow("110 at 10% with 10% markup")
        << "110"
        << "10" << 2 << PricingState() << en
        << QList<qint64>{1100000, 100000, 1000000, 1100000, 1210000,
                         110000,  100000, 110000,  110000,  10000}
        << QStringList{"10.00", "100.00", "110.00", "121.00", "10.00",
                       "11.00", "11.00",  "11.00",  "10.00",  "1.00"};
    QTest::newRow("1234.56 at 10% with 25% markup")
        << "1234.56"
        << "10" << 5 << PricingState() << en
        << QList<qint64>{12345600, 1122327, 11223273, 14029091, 15432000,
                         3086400,  2805818, 1402909,  1402909,  280582}
        << QStringList{"112.23", "1,122.33", "1,402.91", "1,543.20", "280.58",
                       "308.64", "140.29",   "140.29",   "112.23",   "28.06"};
    QTest::newRow("55 at 12.5% with 40% markup rounds twice on the way")
        << "55"
        << "12.5" << 8 << PricingState() << en
        << QList<qint64>{550000, 61111, 488889, 684445, 770001, 220001, 195556, 85556, 85556, 24445}
        << QStringList{"6.11",  "48.89", "68.44", "77.00", "19.56",
                       "22.00", "8.56",  "8.56",  "6.11",  "2.44"};
    QTest::newRow("custom markup 200% at 110 and 10%")
        << "110"
        << "10" << 9 << withCustomRate(2.0) << en
        << QList<qint64>{1100000, 100000,  1000000, 3000000, 3300000,
                         2200000, 2000000, 300000,  300000,  200000}
        << QStringList{"10.00",  "100.00", "300.00", "330.00", "200.00",
                       "220.00", "30.00",  "30.00",  "10.00",  "20.00"};
    QTest::newRow("rate 0 gives no GST")
        << "110"
        << "0" << 2 << PricingState() << en
        << QList<qint64>{1100000, 0, 1100000, 1210000, 1210000, 110000, 110000, 0, 0, 0}
        << QStringList{"0.00",  "110.00", "121.00", "121.00", "11.00",
                       "11.00", "0.00",   "0.00",   "0.00",   "0.00"};
    QTest::newRow("empty rate reads as 0")
        << "110"
        << "" << 2 << PricingState() << en
        << QList<qint64>{1100000, 0, 1100000, 1210000, 1210000, 110000, 110000, 0, 0, 0}
        << QStringList{"0.00",  "110.00", "121.00", "121.00", "11.00",
                       "11.00", "0.00",   "0.00",   "0.00",   "0.00"};
    QTest::newRow("-110 gives the negatives")
        << "-110"
        << "10" << 2 << PricingState() << en
        << QList<qint64>{-1100000, -100000, -1000000, -1100000, -1210000,
                         -110000,  -100000, -110000,  -110000,  -10000}
        << QStringList{"-10.00", "-100.00", "-110.00", "-121.00", "-10.00",
                       "-11.00", "-11.00",  "-11.00",  "-10.00",  "-1.00"};
    QTest::newRow("letters only give zeros")
        << "abc"
        << "10" << 1 << firstExample() << en << QList<qint64>(10, 0) << QStringList(10, "0.00");
    QTest::newRow("de_DE 1.234,56 at 10% with 25% markup")
        << "1.234,56"
        << "10" << 5 << PricingState() << german()
        << QList<qint64>{12345600, 1122327, 11223273, 14029091, 15432000,
                         3086400,  2805818, 1402909,  1402909,  280582}
        << QStringList{"112,23", "1.122,33", "1.402,91", "1.543,20", "280,58",
                       "308,64", "140,29",   "140,29",   "112,23",   "28,06"};
    QTest::newRow("de_DE rate 12,5 keeps its decimals")
        << "55"
        << "12,5" << 8 << PricingState() << german()
        << QList<qint64>{550000, 61111, 488889, 684445, 770001, 220001, 195556, 85556, 85556, 24445}
        << QStringList{"6,11",  "48,89", "68,44", "77,00", "19,56",
                       "22,00", "8,56",  "8,56",  "6,11",  "2,44"};
}

void PriceCalculationTest::calculatesTheTenValues() {
    QFETCH(QString, price);
    QFETCH(QString, rate);
    QFETCH(int, option);
    QFETCH(PricingState, previous);
    QFETCH(NumberLocale, locale);
    QFETCH(QList<qint64>, counts);
    QFETCH(QStringList, labels);

    const auto result = run(price, rate, option, previous, locale);
    QVERIFY(!result.emptyPriceWarning);
    QVERIFY(!result.outOfRange);
    QCOMPARE(countsOf(result.state), counts);
    QCOMPARE(textsOf(labelsOf(result.state, locale)), labels);
    QCOMPARE(result.state.customMarkupRate, previous.customMarkupRate);
}

void PriceCalculationTest::typedFormsReadAsTheirNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<NumberLocale>("locale");

    QTest::newRow("thousands comma") << "1,100"
                                     << "1100" << english();
    QTest::newRow("dollar sign") << "$110"
                                 << "110" << english();
    QTest::newRow("blank inside") << "2 200"
                                  << "2200" << english();
    QTest::newRow("digits then letters") << "12abc"
                                         << "12" << english();
    QTest::newRow("letters only") << "abc"
                                  << "0" << english();
    QTest::newRow("de_DE thousands point") << "1.100"
                                           << "1100" << german();
    QTest::newRow("de_DE decimal comma") << "1,5"
                                         << "1.5" << german();
}

void PriceCalculationTest::typedFormsReadAsTheirNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, plain);
    QFETCH(NumberLocale, locale);

    const auto reference = run(plain, QStringLiteral("10"), 1);
    const auto asPrice = run(typed, QStringLiteral("10"), 1, {}, locale);
    QCOMPARE(countsOf(asPrice.state), countsOf(reference.state));
    const auto asRate = run(QStringLiteral("1234.56"), typed, 1, {}, locale);
    QCOMPARE(countsOf(asRate.state), countsOf(run(QStringLiteral("1234.56"), plain, 1).state));
}

void PriceCalculationTest::gstFractionKeepsFifteenDigits() {
    // With no markup option the total stands, so the sales price depends on the fraction alone;
    // the total is large enough for digits beyond the fifteenth to show in the amount.
    PricingState previous;
    previous.totalWithMarkup = Money::fromCount(900000000000000000);
    const auto longRate =
        run(QStringLiteral("1"), QStringLiteral("12.3456789012345678"), 0, previous);
    const auto shortRate =
        run(QStringLiteral("1"), QStringLiteral("12.3456789012346"), 0, previous);
    QCOMPARE(longRate.state.salesPrice, shortRate.state.salesPrice);
    QVERIFY(longRate.state.customerGst != shortRate.state.customerGst);
}

void PriceCalculationTest::eachOptionHasItsRate_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("total");

    QTest::newRow("Option1 5%") << 1 << "105.00";
    QTest::newRow("Option2 10%") << 2 << "110.00";
    QTest::newRow("Option3 15%") << 3 << "115.00";
    QTest::newRow("Option4 20%") << 4 << "120.00";
    QTest::newRow("Option5 25%") << 5 << "125.00";
    QTest::newRow("Option6 30%") << 6 << "130.00";
    QTest::newRow("Option7 35%") << 7 << "135.00";
    QTest::newRow("Option8 40%") << 8 << "140.00";
}

void PriceCalculationTest::eachOptionHasItsRate() {
    QFETCH(int, option);
    QFETCH(QString, total);

    QCOMPARE(labelsOf(run(QStringLiteral("110"), QStringLiteral("10"), option).state).label9,
             total);
}

void PriceCalculationTest::withoutUsableMarkupTheTotalStands_data() {
    QTest::addColumn<int>("option");
    QTest::newRow("no option selected") << 0;
    QTest::newRow("custom option without an accepted answer") << 9;
}

void PriceCalculationTest::withoutUsableMarkupTheTotalStands() {
    QFETCH(int, option);

    const PricingState previous = firstExample();
    const auto result = run(QStringLiteral("220"), QStringLiteral("10"), option, previous);
    QVERIFY(!result.outOfRange);
    QCOMPARE(result.state.purchaseExGst, Money::fromCount(2000000));
    QCOMPARE(result.state.totalWithMarkup, previous.totalWithMarkup);
    QCOMPARE(labelsOf(result.state).label8, QStringLiteral("121.00"));
    QCOMPARE(labelsOf(result.state).label20, QStringLiteral("-90.00"));
}

void PriceCalculationTest::emptyPriceOnFirstRunShowsZeros() {
    const auto result = run(QString(), QStringLiteral("10"), 1);
    QVERIFY(result.emptyPriceWarning);
    QVERIFY(!result.outOfRange);
    QCOMPARE(countsOf(result.state), QList<qint64>(10, 0));
    QCOMPARE(textsOf(labelsOf(result.state)), QStringList(10, QStringLiteral("0.00")));
}

void PriceCalculationTest::emptyPriceRecomputesAtTheNewRate() {
    const PricingState previous = firstExample();
    const auto result = run(QString(), QStringLiteral("20"), 2, previous);
    QVERIFY(result.emptyPriceWarning);
    QVERIFY(!result.outOfRange);
    QCOMPARE(labelsOf(result.state).label8, QStringLiteral("121.00"));
    QCOMPARE(labelsOf(result.state).label2, QStringLiteral("100.00"));
    QCOMPARE(labelsOf(result.state).label24, QStringLiteral("20.17"));
    QCOMPARE(labelsOf(result.state).label32, QStringLiteral("20.17"));
    QCOMPARE(labelsOf(result.state).label34, QStringLiteral("10.17"));
    QCOMPARE(result.state.customerGst, Money::fromCount(201667));
    QCOMPARE(result.state.purchasePrice, previous.purchasePrice);
    QCOMPARE(result.state.salesPrice, previous.salesPrice);
}

void PriceCalculationTest::blankPriceIsCalculated() {
    const auto result = run(QStringLiteral(" "), QStringLiteral("10"), 2, firstExample());
    QVERIFY(!result.emptyPriceWarning);
    QCOMPARE(countsOf(result.state), QList<qint64>(10, 0));
}

void PriceCalculationTest::outOfRangeLeavesNothing_data() {
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("option");
    QTest::addColumn<PricingState>("previous");
    QTest::addColumn<bool>("emptyPrice");

    QTest::newRow("rate -100 divides by zero") << "110"
                                               << "-100" << 2 << PricingState() << false;
    QTest::newRow("price 1e20") << "1e20"
                                << "10" << 2 << PricingState() << false;
    QTest::newRow("price beyond doubles") << "1e400"
                                          << "10" << 2 << PricingState() << false;
    QTest::newRow("rate beyond doubles") << "110"
                                         << "1e400" << 2 << PricingState() << false;
    QTest::newRow("markup pushes the total out of range") << "900000000000000"
                                                          << "0" << 8 << PricingState() << false;
    QTest::newRow("huge custom rate") << "110"
                                      << "10" << 9 << withCustomRate(1e300) << false;
    QTest::newRow("custom rate overflows doubles") << "1e10"
                                                   << "10" << 9 << withCustomRate(1e300) << false;
    QTest::newRow("empty price at rate -100") << ""
                                              << "-100" << 2 << firstExample() << true;
}

void PriceCalculationTest::outOfRangeLeavesNothing() {
    QFETCH(QString, price);
    QFETCH(QString, rate);
    QFETCH(int, option);
    QFETCH(PricingState, previous);
    QFETCH(bool, emptyPrice);

    const auto result = run(price, rate, option, previous);
    QVERIFY(result.outOfRange);
    QCOMPARE(result.emptyPriceWarning, emptyPrice);
}

void PriceCalculationTest::customMarkupRate_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("rate");

    QTest::newRow("200") << "200" << english() << true << 2.0;
    QTest::newRow("fraction") << "12.5" << english() << true << 0.125;
    QTest::newRow("zero") << "0" << english() << true << 0.0;
    QTest::newRow("negative") << "-5" << english() << true << -0.05;
    QTest::newRow("grouped") << "1,000" << english() << true << 10.0;
    QTest::newRow("de_DE fraction") << "12,5" << german() << true << 0.125;
    QTest::newRow("de_DE plain point fraction, as the boxes take it")
        << "12.5 %" << german() << true << 0.125;
    QTest::newRow("empty") << "" << english() << false << 0.0;
    QTest::newRow("letters") << "abc" << english() << false << 0.0;
    QTest::newRow("digits then letters") << "12abc" << english() << false << 0.0;
    QTest::newRow("too large for a double") << "1e400" << english() << false << 0.0;
}

void PriceCalculationTest::customMarkupRate() {
    QFETCH(QString, answer);
    QFETCH(NumberLocale, locale);
    QFETCH(bool, accepted);
    QFETCH(double, rate);

    const auto result = quillon::customMarkupRate(answer, locale);
    QCOMPARE(result.has_value(), accepted);
    if (accepted)
        QCOMPARE(*result, rate);
}

void PriceCalculationTest::markupText_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<std::optional<QString>>("customText");
    QTest::addColumn<std::optional<QString>>("text");

    const std::optional<QString> none;
    QTest::newRow("Option1") << 1 << none << std::optional<QString>("5%");
    QTest::newRow("Option3") << 3 << std::optional<QString>("200") << std::optional<QString>("15%");
    QTest::newRow("Option8") << 8 << none << std::optional<QString>("40%");
    QTest::newRow("custom 200") << 9 << std::optional<QString>("200")
                                << std::optional<QString>("200%");
    QTest::newRow("custom as typed")
        << 9 << std::optional<QString>(" 12.5") << std::optional<QString>(" 12.5%");
    QTest::newRow("custom without an answer") << 9 << none << none;
    QTest::newRow("no option") << 0 << std::optional<QString>("200") << none;
}

void PriceCalculationTest::markupText() {
    using OptionalText = std::optional<QString>;
    QFETCH(int, option);
    QFETCH(OptionalText, customText);
    QFETCH(OptionalText, text);

    QCOMPARE(quillon::markupText(option, customText), text);
}

void PriceCalculationTest::markupTextUsedFollowsTheTotal_data() {
    using OptionalText = std::optional<QString>;
    QTest::addColumn<QString>("price");
    QTest::addColumn<int>("option");
    QTest::addColumn<PricingState>("previous");
    QTest::addColumn<OptionalText>("used");

    PricingState at25 = run(QStringLiteral("110"), QStringLiteral("10"), 5).state;
    PricingState custom200 = withCustomRate(2.0);
    custom200.customMarkupText = QStringLiteral("200");
    QTest::newRow("first calculation at 10%")
        << "110" << 2 << PricingState() << OptionalText("10%");
    QTest::newRow("at 25%, then 10% chosen and calculated")
        << "110" << 2 << at25 << OptionalText("10%");
    QTest::newRow("custom 200") << "110" << 9 << custom200 << OptionalText("200%");
    QTest::newRow("no option: the total and its markup stand")
        << "220" << 0 << at25 << OptionalText("25%");
    QTest::newRow("empty price: the total and its markup stand")
        << "" << 2 << at25 << OptionalText("25%");
}

void PriceCalculationTest::markupTextUsedFollowsTheTotal() {
    using OptionalText = std::optional<QString>;
    QFETCH(QString, price);
    QFETCH(int, option);
    QFETCH(PricingState, previous);
    QFETCH(OptionalText, used);

    QCOMPARE(run(price, QStringLiteral("10"), option, previous).state.markupTextUsed, used);
}

QTEST_GUILESS_MAIN(PriceCalculationTest)
#include "price_calculation_test.moc"
