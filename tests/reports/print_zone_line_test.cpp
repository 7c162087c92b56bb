#include "print_zone_line.h"

#include <QTest>

using namespace quillon;

class PrintZoneLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zoneStepPadsToNextZone_data();
    void zoneStepPadsToNextZone();
    void itemsTouch();
};

void PrintZoneLineTest::zoneStepPadsToNextZone_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("spaces");

    QTest::newRow("empty line, one step to column 15") << QString() << 1 << 14;
    QTest::newRow("1 character") << QStringLiteral("$") << 1 << 13;
    QTest::newRow("13 characters") << QStringLiteral("Net GST Owin_") << 1 << 1;
    QTest::newRow("14 characters get 14 spaces, not 0")
        << QStringLiteral("GST to be Paid") << 1 << 14;
    QTest::newRow("15 characters") << QStringLiteral("Customers GST__") << 1 << 13;
    QTest::newRow("28 characters go to column 43")
        << QStringLiteral("Purchase Price GST Includedd") << 1 << 14;
    QTest::newRow("four steps from column 9 to 57") << QStringLiteral("GST Paid") << 4 << 48;
    QTest::newRow("zero steps add nothing") << QStringLiteral("Client:") << 0 << 0;
    QTest::newRow("accented letters are one column each")
        << QStringLiteral("Caf\u00e9 \u00e0 la") << 1 << 5;
    QTest::newRow("a character outside the BMP is one column")
        << QStringLiteral("\U0001F600\U0001F600ab") << 1 << 10;
    QTest::newRow("14 characters outside the BMP fill a zone")
        << QString(QStringLiteral("\U00010348")).repeated(14) << 1 << 14;
    QTest::newRow("a combining mark is a character of its own")
        << QStringLiteral("e\u0301") << 1 << 12;
}

void PrintZoneLineTest::zoneStepPadsToNextZone() {
    QFETCH(QString, before);
    QFETCH(int, steps);
    QFETCH(int, spaces);

    const QString line =
        PrintZoneLine().item(before).zoneStep(steps).item(QStringLiteral("$")).text();

    QCOMPARE(line, before + QString(spaces, u' ') + u'$');
}

void PrintZoneLineTest::itemsTouch() {
    const QString line = PrintZoneLine()
                             .item(QStringLiteral("Total"))
                             .item(QStringLiteral("$"))
                             .item(QStringLiteral("110.00"))
                             .zoneStep()
                             .item(QStringLiteral("x"))
                             .text();

    QCOMPARE(line, QStringLiteral("Total$110.00  x"));
}

QTEST_GUILESS_MAIN(PrintZoneLineTest)
#include "print_zone_line_test.moc"
