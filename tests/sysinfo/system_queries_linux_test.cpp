#include "system_queries.h"

#include <QProcess>
#include <QTest>

#include <time.h>

namespace queries = quillon::system_queries;

// The real readers on the machine the tests run on: only plausibility, as the figures are the
// machine's own.
class SystemQueriesLinuxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void memoryFiguresArePlausible() {
        const quillon::MemoryFigures figures = queries::memoryFigures();
        QVERIFY(figures.totalPhysical > 0);
        QVERIFY(figures.loadPercent <= 100);
        QVERIFY(figures.availablePhysical <= figures.totalPhysical);
        QVERIFY(figures.totalPageFile >= figures.totalPhysical);
        QVERIFY(figures.availablePageFile <= figures.totalPageFile);
        QVERIFY(figures.totalVirtual > 0);
        QVERIFY(figures.availableVirtual > 0);
        QVERIFY(figures.availableVirtual < figures.totalVirtual);
    }

    void userNameIsTheEffectiveUsers() {
        QProcess id;
        id.start(QStringLiteral("id"), {QStringLiteral("-un")});
        QVERIFY(id.waitForFinished());
        QCOMPARE(id.exitCode(), 0);
        const QString expected = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        QCOMPARE(queries::userName(), std::optional(expected));
    }

    void tickCountFollowsTheBootClock() {
        timespec now{};
        QCOMPARE(clock_gettime(CLOCK_BOOTTIME, &now), 0);
        const quint32 expected =
            quint32(quint64(now.tv_sec) * 1000 + quint64(now.tv_nsec) / 1000000);
        // The two readings lie moments apart; a wrap in between shows as a huge difference.
        const quint32 ahead = queries::tickCount() - expected;
        QVERIFY2(ahead < 60000, qPrintable(QString::number(ahead)));
    }

    void dialUpConnectionsAreNamed() {
        const QStringList names = queries::dialUpConnections();
        for (const QString &name : names)
            QVERIFY(!name.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SystemQueriesLinuxTest)
#include "system_queries_linux_test.moc"
