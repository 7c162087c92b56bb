#include "amount_format.h"

#include <QTest>

#include <limits>

using quillon::Money;
using quillon::NumberLocale;

Q_DECLARE_METATYPE(NumberLocale)

class AmountFormatTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatAmount_data();
    void formatAmount();
};

void AmountFormatTest::formatAmount_data() {
    QTest::addColumn<qint64>("count");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<QString>("text");

    const auto english = NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto german = NumberLocale::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    const auto french = NumberLocale::fromLocale(QLocale(QLocale::French, QLocale::France));

    QTest::newRow("zero") << qint64(0) << english << "0.00";
    QTest::newRow("1402.9091 grouped and rounded") << qint64(14029091) << english << "1,402.91";
    QTest::newRow("-110 with a minus sign") << qint64(-1100000) << english << "-110.00";
    QTest::newRow("below one keeps a zero") << qint64(999) << english << "0.10";
    QTest::newRow("three digits need no separator") << qint64(9999999) << english << "1,000.00";
    QTest::newRow("six digits") << qint64(1234567500000) << english << "123,456,750.00";
    QTest::newRow("under half a cent rounds down") << qint64(12349) << english << "1.23";
    QTest::newRow("half a cent rounds up") << qint64(12350) << english << "1.24";
    QTest::newRow("negative half a cent rounds down") << qint64(-12350) << english << "-1.24";
    QTest::newRow("negative under half a cent") << qint64(-12349) << english << "-1.23";
    QTest::newRow("half of one cent") << qint64(50) << english << "0.01";
    QTest::newRow("minus half of one cent") << qint64(-50) << english << "-0.01";
    QTest::newRow("a negative that rounds to zero has no sign") << qint64(-49) << english << "0.00";
    QTest::newRow("largest amount")
        << std::numeric_limits<qint64>::max() << english << "922,337,203,685,477.58";
    QTest::newRow("smallest amount")
        << std::numeric_limits<qint64>::min() << english << "-922,337,203,685,477.58";
    QTest::newRow("de_DE separators") << qint64(14029091) << german << "1.402,91";
    QTest::newRow("de_DE smallest amount")
        << std::numeric_limits<qint64>::min() << german << "-922.337.203.685.477,58";
    QTest::newRow("fr_FR narrow no-break space")
        << qint64(-12345678900) << french << QString::fromUtf8("-1\u202F234\u202F567,89");
    QTest::newRow("ar_EG Arabic-Indic digits with their separators")
        << qint64(10828900) << NumberLocale::fromLocale(QLocale(QStringLiteral("ar_EG")))
        << QString::fromUtf8("\u0661\u066C\u0660\u0668\u0662\u066B\u0668\u0669");
}

void AmountFormatTest::formatAmount() {
    QFETCH(qint64, count);
    QFETCH(NumberLocale, locale);
    QFETCH(QString, text);

    QCOMPARE(quillon::formatAmount(Money::fromCount(count), locale), text);
}

QTEST_GUILESS_MAIN(AmountFormatTest)
#include "amount_format_test.moc"
