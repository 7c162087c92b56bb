// The quote View Report builds from the pricing state, its two answers, the moment it started and
// the user's locale: the same value goes to the report window, the quote file and the report area.
#include "quote_examples.h"
#include "quote_from_pricing.h"

#include <QTest>

using namespace quillon;

Q_DECLARE_METATYPE(quillon::PricingState)
Q_DECLARE_METATYPE(quillon::QuoteRequest)
Q_DECLARE_METATYPE(quillon::QuoteReport)

namespace {

NumberLocale english() {
    return NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::Australia));
}

// Price 110 at 10 % GST, calculated with option `option` (2 is the 10 % markup).
PricingState calculated(int option) {
    return calculate({QStringLiteral("110"), QStringLiteral("10"), option}, {}, english()).state;
}

QuoteRequest smithDeskRequest(const QString &selectedMarkup = QStringLiteral("10%")) {
    return {QStringLiteral("15/07/2005"), QStringLiteral("2:05:09 PM"), QStringLiteral("Smith"),
            QStringLiteral("Desk"), selectedMarkup};
}

QuoteRequest withNames(const QString &client, const QString &product) {
    QuoteRequest request = smithDeskRequest();
    request.client = client;
    request.product = product;
    return request;
}

QuoteReport smithDeskFor(const QString &client, const QString &product) {
    QuoteReport report = examples::smithDesk();
    report.client = client;
    report.product = product;
    return report;
}

QuoteReport beforeAnyCalculation() {
    QuoteReport report = examples::smithDesk();
    for (QString QuoteReport::*amount :
         {&QuoteReport::purchasePrice, &QuoteReport::gstPaid, &QuoteReport::purchaseExGst,
          &QuoteReport::totalWithMarkup, &QuoteReport::customerGst, &QuoteReport::salesPrice,
          &QuoteReport::cashHeld, &QuoteReport::profit, &QuoteReport::gstToPay,
          &QuoteReport::gstToClaim, &QuoteReport::netGstOwing})
        report.*amount = QStringLiteral("0.00");
    report.markup = QStringLiteral("5%");
    return report;
}

} // namespace

class QuoteFromPricingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quote_data() {
        QTest::addColumn<PricingState>("state");
        QTest::addColumn<QuoteRequest>("request");
        QTest::addColumn<QuoteReport>("expected");

        QTest::newRow("the sample quote")
            << calculated(2) << smithDeskRequest() << examples::smithDesk();
        QTest::newRow("before any calculation: the selected option's markup")
            << PricingState() << smithDeskRequest(QStringLiteral("5%")) << beforeAnyCalculation();
        QTest::newRow("another option chosen after Calculate: the markup calculated with")
            << calculated(2) << smithDeskRequest(QStringLiteral("25%")) << examples::smithDesk();
        QTest::newRow("cancelled prompts: empty names")
            << calculated(2) << withNames(QStringLiteral(""), QStringLiteral(""))
            << smithDeskFor(QStringLiteral(""), QStringLiteral(""));
        QTest::newRow("line breaks and tabs in names become blanks")
            << calculated(2)
            << withNames(QStringLiteral("Smith\r\nPty\rLtd\n"),
                         QStringLiteral("Desk\tOak\u2028Large"))
            << smithDeskFor(QStringLiteral("Smith Pty Ltd "), QStringLiteral("Desk Oak Large"));
    }
    void quote() {
        QFETCH(PricingState, state);
        QFETCH(QuoteRequest, request);
        QFETCH(QuoteReport, expected);
        const QuoteReport report = quoteFromPricing(state, request, english());
        QCOMPARE(report, expected);
        // Whatever the names hold, the quote keeps its 30 lines, each ended by CR LF alone.
        const QString text = quoteText(report);
        QCOMPARE(text.count(QStringLiteral("\r\n")), 30);
        QCOMPARE(text.count(u'\n'), 30);
        QCOMPARE(text.count(u'\r'), 30);
    }
};

QTEST_GUILESS_MAIN(QuoteFromPricingTest)
#include "quote_from_pricing_test.moc"
