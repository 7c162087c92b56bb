// What start-up puts on the Sys Info tab from the platform's answers: memory figures,
// connections, the greeting, and the uptime copied tick by tick from the hidden uptime window.
#include "greeting_window.h"
#include "main_window_fixture.h"
#include "memory_summary.h"
#include "tab_control.h"
#include "uptime_window.h"

#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

using namespace quillon;

namespace {

// The boxes are QTextDocuments, which hold a CR LF line end as a paragraph break: their plain
// text has "\n" where the program wrote "\r\n".
QString asShown(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

class SysInfoStartupTest : public MainWindowTest {
    Q_OBJECT
public:
    SysInfoStartupTest()
        : MainWindowTest(Window::StartedByTheTests) {}

private Q_SLOTS:
    void memorySummaryInText4_data() {
        QTest::addColumn<MemoryFigures>("figures");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("made-up figures")
            << MemoryFigures{37, 134217728, 20971520, 402653184, 301989888, 2147352576, 2112880640}
            << "% used:                         37";
        QTest::newRow("all zero") << MemoryFigures{} << "% used:                          0";
        QTest::newRow("largest 32-bit figures")
            << MemoryFigures{100,        4294967295, 4294967295, 4294967295,
                             4294967295, 4294967295, 4294967295}
            << "% used:                        100";
    }
    void memorySummaryInText4() {
        QFETCH(MemoryFigures, figures);
        QFETCH(QString, firstLine);
        MainWindowFixture fixture;
        fixture.platform.memory = figures;
        fixture.start();
        const QString shown = sysInfo<QPlainTextEdit>(fixture, "Text4")->toPlainText();
        QCOMPARE(shown, asShown(memorySummaryText(figures)));
        QCOMPARE(shown.section(QLatin1Char('\n'), 0, 0), firstLine);
        QCOMPARE(shown.count(QLatin1Char('\n')), 7);
    }

    void connectionLinesInTxtResults_data() {
        QTest::addColumn<QStringList>("connections");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no connection leaves the box empty") << QStringList() << "";
        QTest::newRow("Office and Home in the platform's order")
            << QStringList{"Office", "Home"} << "Connected to Office\nConnected to Home\n";
        QTest::newRow("empty name skipped, later ones listed")
            << QStringList{"", "Home"} << "Connected to Home\n";
    }
    void connectionLinesInTxtResults() {
        QFETCH(QStringList, connections);
        QFETCH(QString, shown);
        MainWindowFixture fixture;
        fixture.platform.connections = connections;
        fixture.start();
        // The layout's "Text5" is gone in every case.
        QCOMPARE(sysInfo<QTextEdit>(fixture, "txtResults")->toPlainText(), shown);
    }

    void greetingInLblWelcome_data() {
        QTest::addColumn<std::optional<QString>>("user");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("alice") << std::optional<QString>("alice") << "Welcome alice!";
        QTest::newRow("no name from the platform")
            << std::optional<QString>() << "Welcome <unknown>!";
        QTest::newRow("30-character name")
            << std::optional<QString>("Maximiliana-Wilhelmina Bergstr")
            << "Welcome Maximiliana-Wilhelmina Bergstr!";
        QTest::newRow("30 wide letters")
            << std::optional<QString>(QString(30, QLatin1Char('W')))
            << QStringLiteral("Welcome %1!").arg(QString(30, QLatin1Char('W')));
    }
    void greetingInLblWelcome() {
        QFETCH(std::optional<QString>, user);
        QFETCH(QString, greeting);
        MainWindowFixture fixture;
        fixture.platform.user = user;
        fixture.start();
        auto *label = sysInfo<QLabel>(fixture, "lblWelcome");
        QCOMPARE(label->text(), greeting);
        QCOMPARE(fixture.window->greetingWindow()->greeting(), greeting);

        // Readable: the whole text fits the label, the label fits the page, on the designed row.
        QVERIFY2(label->fontMetrics().horizontalAdvance(greeting) <= label->width(),
                 qPrintable(QString::number(label->width())));
        QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
        QCOMPARE(label->geometry().top(), 360 / 15);
        QVERIFY(label->width() >= 1125 / 15);
        QVERIFY(label->font().bold());
        QVERIFY(!label->wordWrap());
    }

    void longestNameShownWholeWithinPage() {
        const QString name(256, QLatin1Char('n'));
        MainWindowFixture fixture;
        fixture.platform.user = name;
        fixture.start();
        auto *label = sysInfo<QLabel>(fixture, "lblWelcome");
        QCOMPARE(label->text(), QStringLiteral("Welcome %1!").arg(name));
        QVERIFY(label->parentWidget()->rect().contains(label->geometry()));
    }

    void shortGreetingCentredOnDesignedBoxAtFullSize() {
        MainWindowFixture fixture;
        fixture.platform.user = QStringLiteral("al");
        fixture.start();
        auto *label = sysInfo<QLabel>(fixture, "lblWelcome");
        // Wider than the designed box needs to be, so widened about the box's centre.
        const QRect designed(1920 / 15, 360 / 15, 1125 / 15, 360 / 15);
        QVERIFY(qAbs(label->geometry().center().x() - designed.center().x()) <= 1);
        QCOMPARE(label->font().pixelSize(), 18);
    }

    void timersTickEveryHalfSecond() {
        MainWindowFixture fixture;
        fixture.start();
        auto *timer1 = fixture.window->findChild<QTimer *>(QStringLiteral("Timer1"),
                                                           Qt::FindDirectChildrenOnly);
        QVERIFY(timer1);
        QCOMPARE(timer1->interval(), 500);
        QVERIFY(timer1->isActive());
        auto *form4Timer =
            fixture.window->uptimeWindow()->findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(form4Timer);
        QVERIFY(form4Timer != timer1);
        QCOMPARE(form4Timer->interval(), 500);
        QVERIFY(form4Timer->isActive());
    }

    void uptimeBoxesCopyTheHiddenWindow() {
        MainWindowFixture fixture;
        fixture.platform.ticks = 90061001; // 1 day, 1 hour, 1 minute, 1.001 seconds
        fixture.start();
        // Hold the uptime window back so that the main window's first tick finds its
        // initial texts.
        fixture.window->uptimeWindow()->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        const QStringList initial = {"Text1", "Text2", "Text3", "Text4"};
        for (int i = 0; i < 4; ++i)
            QTRY_COMPARE_WITH_TIMEOUT(uptimeBox(fixture, i)->text(), initial.at(i), 5000);

        fixture.window->uptimeWindow()->onTimer1Timeout();
        const QStringList uptime = {"1 days", "1 hours", "1 minutes", "1 seconds"};
        for (int i = 0; i < 4; ++i)
            QTRY_COMPARE_WITH_TIMEOUT(uptimeBox(fixture, i)->text(), uptime.at(i), 5000);
    }

    void hiddenWindowsNeverShown() {
        MainWindowFixture fixture;
        fixture.start();
        QVERIFY(fixture.window->isVisible());
        QWidget *form3 = fixture.window->greetingWindow();
        QWidget *form4 = fixture.window->uptimeWindow();
        QVERIFY(form3);
        QVERIFY(form4);
        QVERIFY(form3->isWindow());
        QVERIFY(form4->isWindow());
        // Let both timers tick at least once.
        QTRY_VERIFY_WITH_TIMEOUT(uptimeBox(fixture, 0)->text() == QLatin1String("0 days"), 5000);
        QVERIFY(!form3->isVisible());
        QVERIFY(!form4->isVisible());
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible() || window == fixture.window.get(),
                     qPrintable(window->windowTitle()));
    }

private:
    // A control of the tab control; names such as Text4 recur in the hidden windows.
    template <typename T> static T *sysInfo(const MainWindowFixture &fixture, const char *name) {
        T *widget = fixture.find<TabControl>("SSTab1")->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control named %s on the tabs", name);
        return widget;
    }
    static QLineEdit *uptimeBox(const MainWindowFixture &fixture, int index) {
        const QByteArray name = "Text" + QByteArray::number(5 + index);
        return sysInfo<QLineEdit>(fixture, name.constData());
    }
};

QTEST_MAIN(SysInfoStartupTest)
#include "sysinfo_startup_test.moc"
