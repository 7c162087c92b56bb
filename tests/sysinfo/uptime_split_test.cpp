#include "uptime_split.h"

#include <QTest>

using quillon::splitUptime;
using quillon::tickCountAfter;
using quillon::UptimeParts;
using quillon::uptimeTexts;

class UptimeSplitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void split_data() {
        QTest::addColumn<quint32>("ticks");
        QTest::addColumn<QStringList>("texts");

        const auto texts = [](int d, int h, int m, int s) {
            return QStringList{QStringLiteral("%1 days").arg(d), QStringLiteral("%1 hours").arg(h),
                               QStringLiteral("%1 minutes").arg(m),
                               QStringLiteral("%1 seconds").arg(s)};
        };
        QTest::newRow("0") << quint32(0) << texts(0, 0, 0, 0);
        QTest::newRow("999 ms: milliseconds dropped") << quint32(999) << texts(0, 0, 0, 0);
        QTest::newRow("1,000 ms: one second, plural word") << quint32(1000) << texts(0, 0, 0, 1);
        QTest::newRow("90,061,001: one of each, plural words")
            << quint32(90061001)
            << QStringList{QStringLiteral("1 days"), QStringLiteral("1 hours"),
                           QStringLiteral("1 minutes"), QStringLiteral("1 seconds")};
        QTest::newRow("2,147,483,648 (2^31): all positive")
            << quint32(2147483648U) << texts(24, 20, 31, 23);
        QTest::newRow("4,294,967,295: the largest count")
            << quint32(4294967295U) << texts(49, 17, 2, 47);
        QTest::newRow("3 d 4 h 5 min 6.9 s: seconds not raised")
            << quint32(3 * 86400000 + 4 * 3600000 + 5 * 60000 + 6900) << texts(3, 4, 5, 6);
        QTest::newRow("one ms short of a day: no part raised")
            << quint32(86399999) << texts(0, 23, 59, 59);
    }

    void split() {
        QFETCH(quint32, ticks);
        QFETCH(QStringList, texts);
        const std::array<QString, 4> actual = uptimeTexts(splitUptime(ticks));
        QCOMPARE(QStringList(actual.begin(), actual.end()), texts);
    }

    void parts() {
        QCOMPARE(splitUptime(4294967295U), (UptimeParts{49, 17, 2, 47}));
        QCOMPARE(splitUptime(90061001), (UptimeParts{1, 1, 1, 1}));
    }

    void tickCount_data() {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<quint32>("ticks");
        QTest::newRow("0") << qint64(0) << quint32(0);
        QTest::newRow("4,294,967,295 kept") << qint64(4294967295LL) << quint32(4294967295U);
        QTest::newRow("one ms later: wraps to 0") << qint64(4294967296LL) << quint32(0);
        QTest::newRow("wrap then 90,061,001")
            << qint64(4294967296LL + 90061001) << quint32(90061001);
        QTest::newRow("second wrap") << qint64(2 * 4294967296LL + 5) << quint32(5);
    }

    void tickCount() {
        QFETCH(qint64, milliseconds);
        QFETCH(quint32, ticks);
        QCOMPARE(tickCountAfter(std::chrono::milliseconds(milliseconds)), ticks);
    }

    void displayStartsAgainAfterTheWrap() {
        const quint32 wrapped = tickCountAfter(std::chrono::milliseconds(4294967296LL));
        QCOMPARE(splitUptime(wrapped), UptimeParts{});
    }
};

QTEST_GUILESS_MAIN(UptimeSplitTest)
#include "uptime_split_test.moc"
