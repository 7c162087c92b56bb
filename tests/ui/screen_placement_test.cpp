// Where the main window opens on screens of different sizes and scales.
#include "screen_placement.h"

#include <QTest>

using namespace quillon;

class ScreenPlacementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void clientPositionOnScreen_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        // The designed window, 347 x 443 at 225, 84, with a 30 px title bar and 4 px borders:
        // 355 x 477 over all. Available areas are in the screen's logical pixels, less a task bar.
        QTest::newRow("1366x768 at 100 %") << QRect(0, 0, 1366, 728) << QPoint(225, 84);
        QTest::newRow("1366x768 at 150 %") << QRect(0, 0, 911, 485) << QPoint(225, 38);
        QTest::newRow("second screen to the left")
            << QRect(-1024, 0, 1024, 480) << QPoint(-351, 33);
        QTest::newRow("too small: title bar kept on screen")
            << QRect(0, 0, 683, 364) << QPoint(225, 30);
        QTest::newRow("task bar along the top") << QRect(0, 40, 911, 445) << QPoint(225, 70);
    }
    void clientPositionOnScreen() {
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        QCOMPARE(quillon::clientPositionOnScreen(QRect(225, 84, 347, 443), QMargins(4, 30, 4, 4),
                                                 available),
                 expected);
    }
};

QTEST_GUILESS_MAIN(ScreenPlacementTest)

#include "screen_placement_test.moc"
