#include "quote_examples.h"
#include "quote_report.h"

#include <QRegularExpression>
#include <QTest>

using namespace quillon;

Q_DECLARE_METATYPE(quillon::QuoteReport)

namespace {

enum class Text { Quote, History };

QString build(Text which, const QuoteReport &report) {
    return which == Text::Quote ? quoteText(report) : historyRecord(report);
}

// The lines of a text whose every line ends with CR LF; fails the test otherwise.
QStringList linesOf(const QString &text) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.takeLast() != QString()) {
        qWarning("text does not end with CR LF");
        return {};
    }
    return lines;
}

QuoteReport withField(QString QuoteReport::*field, const QString &value) {
    QuoteReport report = examples::smithDesk();
    report.*field = value;
    return report;
}

} // namespace

class QuoteReportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleIsByteExact();
    void line_data();
    void line();
    void reportBeforeAnyCalculation();
    void longNameIsWrittenWhole();
};

void QuoteReportTest::sampleIsByteExact() {
    const QByteArray quote = quoteText(examples::smithDesk()).toUtf8();
    const QByteArray history = historyRecord(examples::smithDesk()).toUtf8();

    QCOMPARE(quote, examples::smithDeskQuote());
    QCOMPARE(quote.size(), 827);
    QCOMPARE(history, examples::smithDeskHistory());
    QCOMPARE(history.size(), 626);
    QCOMPARE(linesOf(QString::fromUtf8(quote)).size(), 30);
    QCOMPARE(linesOf(QString::fromUtf8(history)).size(), 14);
}

void QuoteReportTest::line_data() {
    QTest::addColumn<Text>("which");
    QTest::addColumn<QuoteReport>("report");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<QString>("expected");

    const auto spaces = [](int count) { return QString(count, u' '); };
    const QString time = QStringLiteral("2:05:09 PM");

    QTest::newRow("quote: empty product name keeps its zone step")
        << Text::Quote << withField(&QuoteReport::product, {}) << 3 << "Product:" + spaces(6);
    QTest::newRow("quote: empty client name keeps its zone step")
        << Text::Quote << withField(&QuoteReport::client, {}) << 4 << "Client:" + spaces(7);
    QTest::newRow("history: empty product name")
        << Text::History << withField(&QuoteReport::product, {}) << 4 << "Product:" + spaces(6);
    QTest::newRow("history: empty client name")
        << Text::History << withField(&QuoteReport::client, {}) << 5 << "Client:" + spaces(7);

    QTest::newRow("quote: date of 14 characters puts the time at column 29")
        << Text::Quote << withField(&QuoteReport::date, QStringLiteral("Friday 15 July")) << 1
        << "Friday 15 July" + spaces(14) + time;
    QTest::newRow("quote: date of 20 characters puts the time at column 29")
        << Text::Quote << withField(&QuoteReport::date, QStringLiteral("Friday, 15 July 2005")) << 1
        << "Friday, 15 July 2005" + spaces(8) + time;
    QTest::newRow("history: date of 28 characters puts the time at column 43")
        << Text::History
        << withField(&QuoteReport::date, QStringLiteral("Friday the 15th of July 2005")) << 3
        << "Friday the 15th of July 2005" + spaces(14) + time;
    QTest::newRow("quote: non-ASCII date counts characters")
        << Text::Quote << withField(&QuoteReport::date, QStringLiteral("١٥/٠٧/٢٠٠٥")) << 1
        << "١٥/٠٧/٢٠٠٥" + spaces(4) + time;
    QTest::newRow("quote: date outside the BMP counts characters")
        << Text::Quote << withField(&QuoteReport::date, QStringLiteral("𝟙𝟝/𝟘𝟟/𝟚𝟘𝟘𝟝")) << 1
        << "𝟙𝟝/𝟘𝟟/𝟚𝟘𝟘𝟝" + spaces(4) + time;
    QTest::newRow("quote: non-ASCII product name written as typed")
        << Text::Quote
        << withField(&QuoteReport::product, QStringLiteral("Schreibtisch für Jürgen 🪑")) << 3
        << QStringLiteral("Product:      Schreibtisch für Jürgen 🪑");

    QTest::newRow("quote: custom markup 200%")
        << Text::Quote << withField(&QuoteReport::markup, QStringLiteral("200%")) << 12
        << "Markup Percentage" + spaces(39) + "200%";
    QTest::newRow("history: custom markup 200%")
        << Text::History << withField(&QuoteReport::markup, QStringLiteral("200%")) << 9
        << "Markup Percentage" + spaces(39) + "200%";

    QTest::newRow("quote: amount in the millions")
        << Text::Quote << withField(&QuoteReport::purchasePrice, QStringLiteral("1,234,567.50"))
        << 6 << "Purchase Price GST Includedd" + spaces(14) + "$1,234,567.50";
    QTest::newRow("history: amount in the millions")
        << Text::History << withField(&QuoteReport::purchasePrice, QStringLiteral("1,234,567.50"))
        << 6 << "Purchase Price GST Includedd" + spaces(14) + "$" + spaces(13) + "1,234,567.50";
    QTest::newRow("quote: negative net GST")
        << Text::Quote << withField(&QuoteReport::netGstOwing, QStringLiteral("-1.00")) << 28
        << "Net GST Owing" + spaces(43) + "$-1.00";
    QTest::newRow("quote: amount with other separators written as shown")
        << Text::Quote << withField(&QuoteReport::salesPrice, QStringLiteral("1.234.567,50")) << 18
        << "Sales Price Including GST" + spaces(3) + "$1.234.567,50";
}

void QuoteReportTest::line() {
    QFETCH(Text, which);
    QFETCH(QuoteReport, report);
    QFETCH(int, lineNumber);
    QFETCH(QString, expected);

    const QStringList lines = linesOf(build(which, report));

    QCOMPARE(lines.size(), which == Text::Quote ? 30 : 14);
    QCOMPARE(lines.at(lineNumber - 1), expected);
}

void QuoteReportTest::reportBeforeAnyCalculation() {
    QuoteReport report = examples::smithDesk();
    for (QString *amount :
         {&report.purchasePrice, &report.gstPaid, &report.purchaseExGst, &report.totalWithMarkup,
          &report.customerGst, &report.salesPrice, &report.cashHeld, &report.profit,
          &report.gstToPay, &report.gstToClaim, &report.netGstOwing}) {
        *amount = QStringLiteral("0.00");
    }
    report.markup = QStringLiteral("5%");

    const QStringList quote = linesOf(quoteText(report));
    QCOMPARE(quote.filter(QRegularExpression(QStringLiteral("\\$0\\.00$"))).size(), 11);
    QCOMPARE(quote.at(11), "Markup Percentage" + QString(39, u' ') + "5%");

    const QStringList history = linesOf(historyRecord(report));
    QCOMPARE(history.filter(QRegularExpression(QStringLiteral("\\$ {13}0\\.00$"))).size(), 8);
    QCOMPARE(history.at(8), "Markup Percentage" + QString(39, u' ') + "5%");
}

void QuoteReportTest::longNameIsWrittenWhole() {
    const QString name = QStringLiteral("Oak").repeated(3333) + u'!';
    QCOMPARE(name.size(), 10000);
    QuoteReport report = examples::smithDesk();
    report.client = name;

    const QStringList quote = linesOf(quoteText(report));
    const QStringList history = linesOf(historyRecord(report));

    QCOMPARE(quote.size(), 30);
    QCOMPARE(quote.at(3), "Client:       " + name);
    QCOMPARE(history.size(), 14);
    QCOMPARE(history.at(4), "Client:       " + name);
}

QTEST_GUILESS_MAIN(QuoteReportTest)
#include "quote_report_test.moc"
