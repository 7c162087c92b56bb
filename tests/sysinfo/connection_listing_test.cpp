#include "connection_listing.h"

#include <QTest>

using quillon::connectionLines;

namespace {

QString line(const QString &name) {
    return QStringLiteral("Connected to ") + name + QStringLiteral("\r\n");
}

QStringList numberedNames(int count) {
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(QStringLiteral("Link%1").arg(i));
    return names;
}

} // namespace

class ConnectionListingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listing_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("expected");

        const QString longName(256, QLatin1Char('n'));
        QTest::newRow("no connection: box stays empty") << QStringList() << QString();
        QTest::newRow("Office and Home, in the given order")
            << QStringList{QStringLiteral("Office"), QStringLiteral("Home")}
            << QStringLiteral("Connected to Office\r\nConnected to Home\r\n");
        QTest::newRow("empty name between two others adds nothing")
            << QStringList{QStringLiteral("Office"), QString(), QStringLiteral("Home")}
            << line(QStringLiteral("Office")) + line(QStringLiteral("Home"));
        QTest::newRow("only empty names: box stays empty")
            << QStringList{QString(), QString()} << QString();
        QTest::newRow("256-character name listed whole") << QStringList{longName} << line(longName);
        QTest::newRow("names with spaces and accents kept as they are")
            << QStringList{QStringLiteral("Büro Süd")}
            << QStringLiteral("Connected to Büro Süd\r\n");
    }

    void listing() {
        QFETCH(QStringList, names);
        QFETCH(QString, expected);
        QCOMPARE(connectionLines(names), expected);
    }

    void atMost256EntriesConsidered() {
        const QStringList names = numberedNames(300);
        const QString text = connectionLines(names);
        QCOMPARE(text.count(QStringLiteral("Connected to ")), 256);
        QVERIFY(text.endsWith(line(QStringLiteral("Link256"))));
        QVERIFY(!text.contains(QStringLiteral("Link257")));
    }

    void emptyEntriesCountTowardsTheLimit() {
        QStringList names = numberedNames(257);
        names[0].clear();
        const QString text = connectionLines(names);
        QCOMPARE(text.count(QStringLiteral("Connected to ")), 255);
        QVERIFY(text.startsWith(line(QStringLiteral("Link2"))));
        QVERIFY(text.endsWith(line(QStringLiteral("Link256"))));
    }
};

QTEST_GUILESS_MAIN(ConnectionListingTest)
#include "connection_listing_test.moc"
