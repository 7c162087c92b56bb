#include "money.h"

#include <QTest>

#include <limits>

using quillon::Money;

static_assert(Money().count() == 0);
static_assert(Money::fromCount(-42).count() == -42);
static_assert(Money::fromCount(7) == Money::fromCount(7));

namespace {

constexpr qint64 largestCount = std::numeric_limits<qint64>::max();
constexpr qint64 smallestCount = std::numeric_limits<qint64>::min();

} // namespace

class MoneyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fromDouble_data();
    void fromDouble();
    void toDoubleDividesTheCount();
    void addAndSubtract_data();
    void addAndSubtract();
};

void MoneyTest::fromDouble_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("held");
    QTest::addColumn<qint64>("count");

    QTest::newRow("1.23456 rounds to the nearest count") << 1.23456 << true << qint64(12346);
    QTest::newRow("1.23454 rounds down") << 1.23454 << true << qint64(12345);
    QTest::newRow("zero") << 0.0 << true << qint64(0);
    // Each of these times 10,000 is exactly k + 0.5 in double precision.
    QTest::newRow("tie 0.5 goes to even 0") << 5e-5 << true << qint64(0);
    QTest::newRow("tie 2.5 goes to even 2") << 2.5e-4 << true << qint64(2);
    QTest::newRow("tie 3.5 goes to even 4") << 3.5e-4 << true << qint64(4);
    QTest::newRow("tie 12.5 goes to even 12") << 0.00125 << true << qint64(12);
    QTest::newRow("tie 20001.5 goes to even 20002") << 2.00015 << true << qint64(20002);
    QTest::newRow("tie -2.5 goes to even -2") << -2.5e-4 << true << qint64(-2);
    QTest::newRow("tie -3.5 goes to even -4") << -3.5e-4 << true << qint64(-4);
    QTest::newRow("just above a tie rounds up") << 1.00005 << true << qint64(10001);
    // Near the limits doubles are 0.125 apart and their products with 10,000 are 1,024 apart.
    QTest::newRow("largest double below the top")
        << 922337203685477.5 << true << qint64(9223372036854774784);
    QTest::newRow("next double reaches 2^63") << 922337203685477.625 << false << qint64(0);
    QTest::newRow("-2^63 is the smallest count") << -922337203685477.625 << true << smallestCount;
    QTest::newRow("next double below -2^63") << -922337203685477.75 << false << qint64(0);
    QTest::newRow("1e20 is out of range") << 1e20 << false << qint64(0);
    QTest::newRow("-1e20 is out of range") << -1e20 << false << qint64(0);
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << false << qint64(0);
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << qint64(0);
    QTest::newRow("minus infinity")
        << -std::numeric_limits<double>::infinity() << false << qint64(0);
}

void MoneyTest::fromDouble() {
    QFETCH(double, value);
    QFETCH(bool, held);
    QFETCH(qint64, count);

    const auto money = Money::fromDouble(value);
    QCOMPARE(money.has_value(), held);
    if (held)
        QCOMPARE(money->count(), count);
}

void MoneyTest::toDoubleDividesTheCount() {
    QCOMPARE(Money::fromCount(12345).toDouble(), 1.2345);
    QCOMPARE(Money::fromCount(-1100000).toDouble(), -110.0);
}

void MoneyTest::addAndSubtract_data() {
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<bool>("sumHeld");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<bool>("differenceHeld");
    QTest::addColumn<qint64>("difference");

    QTest::newRow("ordinary amounts") << qint64(12345600) << qint64(1122327) << true
                                      << qint64(13467927) << true << qint64(11223273);
    QTest::newRow("negative result")
        << qint64(-5) << qint64(3) << true << qint64(-2) << true << qint64(-8);
    QTest::newRow("top plus one overflows")
        << largestCount << qint64(1) << false << qint64(0) << true << largestCount - 1;
    QTest::newRow("bottom minus one overflows")
        << smallestCount << qint64(1) << true << smallestCount + 1 << false << qint64(0);
    QTest::newRow("bottom plus top")
        << smallestCount << largestCount << true << qint64(-1) << false << qint64(0);
    QTest::newRow("zero minus bottom overflows")
        << qint64(0) << smallestCount << true << smallestCount << false << qint64(0);
    QTest::newRow("minus one minus bottom is the top")
        << qint64(-1) << smallestCount << false << qint64(0) << true << largestCount;
}

void MoneyTest::addAndSubtract() {
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(bool, sumHeld);
    QFETCH(qint64, sum);
    QFETCH(bool, differenceHeld);
    QFETCH(qint64, difference);

    const auto added = quillon::add(Money::fromCount(a), Money::fromCount(b));
    QCOMPARE(added.has_value(), sumHeld);
    if (sumHeld)
        QCOMPARE(added->count(), sum);
    const auto subtracted = quillon::subtract(Money::fromCount(a), Money::fromCount(b));
    QCOMPARE(subtracted.has_value(), differenceHeld);
    if (differenceHeld)
        QCOMPARE(subtracted->count(), difference);
}

QTEST_GUILESS_MAIN(MoneyTest)
#include "money_test.moc"
