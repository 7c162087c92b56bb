#include "fake_platform.h"
#include "uptime_window.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using quillon::FakePlatform;
using quillon::UptimeWindow;

namespace {

QStringList boxTexts(const UptimeWindow &form4) {
    return {form4.text(1), form4.text(2), form4.text(3), form4.text(4)};
}

const QStringList oneOfEach{QStringLiteral("1 days"), QStringLiteral("1 hours"),
                            QStringLiteral("1 minutes"), QStringLiteral("1 seconds")};

} // namespace

class UptimeWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initialTextsBeforeTheFirstTick() {
        FakePlatform platform;
        platform.ticks = 90061001;
        const UptimeWindow form4(platform);
        QCOMPARE(form4.windowTitle(), QStringLiteral("Form4"));
        QCOMPARE(boxTexts(form4), (QStringList{QStringLiteral("Text1"), QStringLiteral("Text2"),
                                               QStringLiteral("Text3"), QStringLiteral("Text4")}));
        for (int box = 1; box <= 4; ++box) {
            const auto *edit = form4.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(box));
            QVERIFY(edit);
            QCOMPARE(edit->text(), form4.text(box));
        }
        QCOMPARE(form4.text(0), QString());
        QCOMPARE(form4.text(5), QString());
    }

    void tickShowsTheUptime() {
        FakePlatform platform;
        platform.ticks = 90061001;
        UptimeWindow form4(platform);
        form4.onTimer1Timeout();
        QCOMPARE(boxTexts(form4), oneOfEach);

        platform.ticks = 4294967295U;
        form4.onTimer1Timeout();
        QCOMPARE(boxTexts(form4),
                 (QStringList{QStringLiteral("49 days"), QStringLiteral("17 hours"),
                              QStringLiteral("2 minutes"), QStringLiteral("47 seconds")}));

        platform.ticks = 0; // the count has wrapped
        form4.onTimer1Timeout();
        QCOMPARE(boxTexts(form4),
                 (QStringList{QStringLiteral("0 days"), QStringLiteral("0 hours"),
                              QStringLiteral("0 minutes"), QStringLiteral("0 seconds")}));
    }

    void timerRunsFromCreationAndDrivesTheTick() {
        FakePlatform platform;
        platform.ticks = 90061001;
        UptimeWindow form4(platform);
        auto *timer1 = form4.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer1);
        QCOMPARE(timer1->interval(), 500);
        QVERIFY(timer1->isActive());
        QSignalSpy ticks(timer1, &QTimer::timeout);
        QVERIFY(ticks.wait());
        QCOMPARE(boxTexts(form4), oneOfEach);
    }

    void enablingAndDisablingTheTimer() {
        FakePlatform platform;
        UptimeWindow form4(platform);
        auto *timer1 = form4.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer1);
        form4.setTimer1Enabled(true);
        QVERIFY(timer1->isActive());
        form4.setTimer1Enabled(false);
        QVERIFY(!timer1->isActive());
        form4.setTimer1Enabled(true);
        QVERIFY(timer1->isActive());
        QCOMPARE(timer1->interval(), 500);
    }

    void separateHiddenWindowOfItsParent() {
        FakePlatform platform;
        auto *mainWindow = new QWidget;
        const QPointer<UptimeWindow> form4 = new UptimeWindow(platform, mainWindow);
        form4->setTimer1Enabled(true);
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
        QVERIFY(form4->isWindow());
        QVERIFY(!form4->isVisible());
        delete mainWindow;
        QVERIFY(form4.isNull());
    }
};

QTEST_MAIN(UptimeWindowTest)
#include "uptime_window_test.moc"
