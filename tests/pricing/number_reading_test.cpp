#include "amount_format.h"
#include "number_reading.h"

#include <QTest>

#include <limits>

using quillon::AmountReading;
using quillon::NumberLocale;

Q_DECLARE_METATYPE(NumberLocale)
Q_DECLARE_METATYPE(AmountReading::Kind)

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

// Every double written with enough digits to tell it from its neighbours, so that comparisons
// are exact and a failure shows both values.
QByteArray exactly(double value) {
    return QByteArray::number(value, 'g', 17);
}

NumberLocale english() {
    return NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
}

NumberLocale german() {
    return NumberLocale::fromLocale(QLocale(QLocale::German, QLocale::Germany));
}

NumberLocale french() {
    return NumberLocale::fromLocale(QLocale(QLocale::French, QLocale::France));
}

QString digits(qsizetype count, char digit) {
    return QString(count, QLatin1Char(digit));
}

} // namespace

class NumberReadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void localeSeparators();
    void leadingNumber_data();
    void leadingNumber();
    void wholeTextNumber_data();
    void wholeTextNumber();
    void readAmount_data();
    void readAmount();
    void everyLocaleReadsAmountsAsTyped();
};

void NumberReadingTest::localeSeparators() {
    const auto de = german();
    QCOMPARE(de.decimalPoint, QLatin1Char(','));
    QCOMPARE(de.groupSeparator, QLatin1Char('.'));
    QCOMPARE(de.currencySymbol, QString::fromUtf8("\u20AC"));
    QCOMPARE(english().currencySymbol, QStringLiteral("$"));
}

void NumberReadingTest::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain integer") << "110" << 110.0;
    QTest::newRow("decimal") << "1234.56" << 1234.56;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blank inside the digits") << "2 200" << 2200.0;
    QTest::newRow("blanks, tabs and line feeds anywhere") << " \t-1\n2 . 5" << -12.5;
    QTest::newRow("carriage return ends the number") << "1\r2" << 1.0;
    QTest::newRow("thousands comma ends the number") << "1,100" << 1.0;
    QTest::newRow("currency sign in front gives 0") << "$110" << 0.0;
    QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "+-1" << 0.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent with sign") << "1E+3" << 1000.0;
    QTest::newRow("D exponent") << "2.5d-2" << 0.025;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent with a sign only") << "1e+x" << 1.0;
    QTest::newRow("exponent with no number before it") << "e5" << 0.0;
    QTest::newRow("hexadecimal") << "&H10" << 16.0;
    QTest::newRow("hexadecimal lower case") << "&hfF" << 255.0;
    QTest::newRow("hexadecimal stops at a non-digit") << "&H1G" << 1.0;
    QTest::newRow("hexadecimal with blanks") << " & H 1 0" << 16.0;
    QTest::newRow("hexadecimal without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O8" << 0.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("octal 2^63") << "&O1000000000000000000000" << 9223372036854775808.0;
    QTest::newRow("octal 2^64 - 1 rounds to 2^64")
        << "&O1777777777777777777777" << 18446744073709551616.0;
    QTest::newRow("hexadecimal 2^68 - 1 rounds to 2^68")
        << "&HFFFFFFFFFFFFFFFFF" << 295147905179352825856.0;
    QTest::newRow("nan is not a number") << "nan" << 0.0;
    QTest::newRow("inf is not a number") << "inf" << 0.0;
    QTest::newRow("0x10 reads as 0") << "0x10" << 0.0;
    QTest::newRow("0.1 is the nearest double") << "0.1" << 0.1;
    QTest::newRow("tie between doubles goes to even") << "9007199254740993" << 9007199254740992.0;
    QTest::newRow("a digit far behind breaks the tie")
        << "9007199254740993.00000000000000000001" << 9007199254740994.0;
    QTest::newRow("huge exponent overflows") << "1e400" << infinity;
    QTest::newRow("tiny exponent underflows") << "1e-400" << 0.0;
    QTest::newRow("100,000 digits overflow") << "1" + digits(100000, '0') << infinity;
    QTest::newRow("100,000 nines overflow") << digits(100000, '9') << infinity;
    QTest::newRow("100,000 zeros after the point")
        << "0." + digits(100000, '0') + "1e100001" << 1.0;
    QTest::newRow("100,000 zeros before a digit") << digits(100000, '0') + "7" << 7.0;
    QTest::newRow("100,000-digit exponent") << "1e" + digits(100000, '9') << infinity;
    QTest::newRow("100,000-digit negative exponent") << "1e-" + digits(100000, '9') << 0.0;
    QTest::newRow("100,000 hexadecimal digits") << "&H" + digits(100000, 'F') << infinity;
}

void NumberReadingTest::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);

    QCOMPARE(exactly(quillon::leadingNumber(text)), exactly(value));
}

void NumberReadingTest::wholeTextNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    const auto en = english();
    QTest::newRow("plain integer") << "110" << en << true << 110.0;
    QTest::newRow("thousands comma") << "1,100" << en << true << 1100.0;
    QTest::newRow("several groups and decimals") << "1,234,567.5" << en << true << 1234567.5;
    QTest::newRow("ungrouped digits") << "1234567" << en << true << 1234567.0;
    QTest::newRow("surrounding blanks") << "  42\t" << en << true << 42.0;
    QTest::newRow("minus sign") << "-5" << en << true << -5.0;
    QTest::newRow("plus sign") << "+5" << en << true << 5.0;
    QTest::newRow("dollar sign") << "$110" << en << true << 110.0;
    QTest::newRow("minus before the dollar") << "-$110" << en << true << -110.0;
    QTest::newRow("minus after the dollar") << "$-110" << en << true << -110.0;
    QTest::newRow("blank after the dollar") << "$ 110" << en << true << 110.0;
    QTest::newRow("exponent") << "1e3" << en << true << 1000.0;
    QTest::newRow("exponent with sign") << "1.5E-2" << en << true << 0.015;
    QTest::newRow("point first") << ".5" << en << true << 0.5;
    QTest::newRow("point last") << "5." << en << true << 5.0;
    QTest::newRow("hexadecimal") << "&H10" << en << true << 16.0;
    QTest::newRow("octal") << "&O17" << en << true << 15.0;
    QTest::newRow("huge exponent overflows") << "1e400" << en << true << infinity;
    QTest::newRow("100,000 digits overflow") << "1" + digits(100000, '0') << en << true << infinity;
    QTest::newRow("100,000-digit fraction")
        << "0." + digits(100000, '3') << en << true << 0.33333333333333331;

    QTest::newRow("empty") << "" << en << false << 0.0;
    QTest::newRow("blanks only") << "   " << en << false << 0.0;
    QTest::newRow("digits then letters") << "12abc" << en << false << 0.0;
    QTest::newRow("group of two") << "1,00" << en << false << 0.0;
    QTest::newRow("group of four") << "1,0000" << en << false << 0.0;
    QTest::newRow("first group of four") << "1234,567" << en << false << 0.0;
    QTest::newRow("Indian grouping") << "12,34,567" << en << false << 0.0;
    QTest::newRow("separator first") << ",100" << en << false << 0.0;
    QTest::newRow("separator last") << "100," << en << false << 0.0;
    QTest::newRow("separator in the decimals") << "1.234,5" << en << false << 0.0;
    QTest::newRow("blank between groups of three") << "2 200" << en << true << 2200.0;
    QTest::newRow("two currency signs") << "$$5" << en << false << 0.0;
    QTest::newRow("two signs") << "-$-5" << en << false << 0.0;
    QTest::newRow("currency sign behind") << "5$" << en << true << 5.0;
    QTest::newRow("sign alone") << "-" << en << false << 0.0;
    QTest::newRow("currency sign alone") << "$" << en << false << 0.0;
    QTest::newRow("second point") << "1.2.3" << en << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << en << false << 0.0;
    QTest::newRow("exponent with a sign only") << "1e+" << en << false << 0.0;
    QTest::newRow("blank before the exponent") << "1 e3" << en << false << 0.0;
    QTest::newRow("nan") << "nan" << en << false << 0.0;
    QTest::newRow("inf") << "inf" << en << false << 0.0;
    QTest::newRow("infinity") << "-Infinity" << en << false << 0.0;
    QTest::newRow("C hexadecimal") << "0x10" << en << false << 0.0;
    QTest::newRow("hexadecimal float") << "0x1p3" << en << false << 0.0;
    QTest::newRow("hexadecimal without digits") << "&H" << en << false << 0.0;
    QTest::newRow("hexadecimal with a bad digit") << "&H1G" << en << false << 0.0;
    QTest::newRow("ampersand alone") << "&" << en << false << 0.0;

    const auto de = german();
    QTest::newRow("de_DE decimal comma") << "1,5" << de << true << 1.5;
    QTest::newRow("de_DE thousands point") << "1.100" << de << true << 1100.0;
    QTest::newRow("de_DE both") << "1.234,56" << de << true << 1234.56;
    QTest::newRow("de_DE euro sign") << QString::fromUtf8("\u20AC5") << de << true << 5.0;
    QTest::newRow("de_DE dollar sign") << "$5" << de << true << 5.0;
    QTest::newRow("de_DE point is no decimal point") << "1.5" << de << false << 0.0;
    QTest::newRow("de_DE blank between thousands keeps the cents")
        << "1 234,56" << de << true << 1234.56;
    QTest::newRow("de_DE thin space between thousands")
        << QString::fromUtf8("1\u2009234,56") << de << true << 1234.56;
    QTest::newRow("de_CH keyboard apostrophe for U+2019")
        << "1'234.50" << NumberLocale::fromLocale(QLocale(QStringLiteral("de_CH"))) << true
        << 1234.5;

    const auto fr = french();
    QTest::newRow("fr_FR narrow no-break space")
        << QString::fromUtf8("2\u202F200,5") << fr << true << 2200.5;
    QTest::newRow("fr_FR plain space for it") << "2 200" << fr << true << 2200.0;
    QTest::newRow("fr_FR blank in the wrong place") << "22 00" << fr << false << 0.0;
}

void NumberReadingTest::wholeTextNumber() {
    QFETCH(QString, text);
    QFETCH(NumberLocale, locale);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    const auto number = quillon::wholeTextNumber(text, locale);
    QCOMPARE(number.has_value(), accepted);
    if (accepted)
        QCOMPARE(exactly(*number), exactly(value));
}

void NumberReadingTest::readAmount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberLocale>("locale");
    QTest::addColumn<AmountReading::Kind>("kind");
    QTest::addColumn<double>("value");

    constexpr auto number = AmountReading::Kind::Number;
    constexpr auto noNumber = AmountReading::Kind::NoNumber;
    constexpr auto unreadable = AmountReading::Kind::Unreadable;
    const auto en = english();
    QTest::newRow("thousands comma") << "1,100" << en << number << 1100.0;
    QTest::newRow("dollar sign") << "$110" << en << number << 110.0;
    QTest::newRow("blank inside the digits") << "2 200" << en << number << 2200.0;
    QTest::newRow("tab inside a pasted price")
        << "658\t593998.9723" << en << number << 658593998.9723;
    QTest::newRow("digits then letters") << "12abc" << en << number << 12.0;
    QTest::newRow("misplaced comma is not read up to it") << "1,00" << en << unreadable << 0.0;
    QTest::newRow("decimal comma under English") << "12,5 %" << en << unreadable << 0.0;
    QTest::newRow("letters only") << "abc" << en << noNumber << 0.0;
    QTest::newRow("empty") << "" << en << noNumber << 0.0;
    const auto australia = NumberLocale::fromLocale(QLocale(QLocale::English, QLocale::Australia));
    QTest::newRow("en_AU A$") << "A$1,100.00" << australia << number << 1100.0;
    QTest::newRow("en_IN lakhs") << "1,00,000"
                                 << NumberLocale::fromLocale(QLocale(QStringLiteral("en_IN")))
                                 << number << 100000.0;
    const auto de = german();
    QTest::newRow("de_DE decimal comma") << "1,5" << de << number << 1.5;
    QTest::newRow("de_DE thousands point") << "1.100" << de << number << 1100.0;
    QTest::newRow("de_DE plain point number") << "12.5" << de << number << 12.5;
    QTest::newRow("de_DE a group never begins with 0") << "0.500" << de << number << 0.5;
    QTest::newRow("de_DE amount then a unit") << "1.234,50 kg" << de << number << 1234.5;
    QTest::newRow("de_CH apostrophe and code behind")
        << "1'234.50 CHF" << NumberLocale::fromLocale(QLocale(QStringLiteral("de_CH"))) << number
        << 1234.5;
    QTest::newRow("de_CH English separators are not cut short")
        << "1,234.50" << NumberLocale::fromLocale(QLocale(QStringLiteral("de_CH"))) << unreadable
        << 0.0;
}

void NumberReadingTest::readAmount() {
    QFETCH(QString, text);
    QFETCH(NumberLocale, locale);
    QFETCH(AmountReading::Kind, kind);
    QFETCH(double, value);

    const AmountReading reading = quillon::readAmount(text, locale);
    QCOMPARE(reading.kind, kind);
    QCOMPARE(exactly(reading.value), exactly(value));
}

// Money as each locale writes it (the toolkit's own text, and its symbol or code before or after
// the number, with or without a blank) and as the amount format writes it reads as that amount, a
// rate with a percent sign as that rate, plain digits with one "." as a decimal (blanks and tabs
// skipped), and a number in the locale's form followed by letters, or written with another locale's
// separator, never as another number.
void NumberReadingTest::everyLocaleReadsAmountsAsTyped() {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QVERIFY(locales.size() > 100);
    for (const QLocale &qlocale : locales) {
        const NumberLocale locale = NumberLocale::fromLocale(qlocale);
        const QString amount = qlocale.toString(1234.5, 'f', 2);
        QList<std::pair<QString, double>> texts = {
            {qlocale.toCurrencyString(1234.5, qlocale.currencySymbol(), 2), 1234.5},
            {qlocale.toString(qlonglong(100000)), 100000.0},
            {qlocale.toString(12.5) + QLatin1Char('%'), 12.5},
            {qlocale.toString(12.5) + QStringLiteral(" %"), 12.5},
            {qlocale.toString(12.5) + qlocale.percent(), 12.5},
            {quillon::formatAmount(quillon::Money::fromCount(12345000), locale), 1234.5},
            {QStringLiteral("12.5"), 12.5},
            {QStringLiteral("0.500"), 0.5},
            {QStringLiteral("658\t593998.9723"), 658593998.9723},
        };
        for (const QString &sign :
             {qlocale.currencySymbol(), qlocale.currencySymbol(QLocale::CurrencyIsoCode)}) {
            if (sign.isEmpty())
                continue;
            for (const QString &gap : {QString(), QStringLiteral(" ")})
                texts += {{sign + gap + amount, 1234.5}, {amount + gap + sign, 1234.5}};
        }
        for (const auto &[text, value] : std::as_const(texts)) {
            const AmountReading reading = quillon::readAmount(text, locale);
            if (reading.kind != AmountReading::Kind::Number || reading.value != value)
                QFAIL(qPrintable(QStringLiteral("%1: \"%2\" read as %3")
                                     .arg(qlocale.name(), text, QString::number(reading.value))));
        }
        QString foreign = QStringLiteral("1?234") + locale.decimalPoint + QStringLiteral("50");
        for (const QChar separator : {QLatin1Char(','), QLatin1Char('.'), QLatin1Char('\'')}) {
            if (separator != locale.decimalPoint && separator != locale.groupSeparator &&
                !(separator == QLatin1Char('\'') && locale.groupSeparator == QChar(0x2019))) {
                foreign[1] = separator;
                break;
            }
        }
        for (const QString &text : {amount + QStringLiteral("abc"), foreign}) {
            const AmountReading reading = quillon::readAmount(text, locale);
            if (reading.kind == AmountReading::Kind::Number && reading.value != 1234.5)
                QFAIL(qPrintable(QStringLiteral("%1: \"%2\" read as %3")
                                     .arg(qlocale.name(), text, QString::number(reading.value))));
        }
    }
}

QTEST_GUILESS_MAIN(NumberReadingTest)
#include "number_reading_test.moc"
