// The main window's start-up and shutdown: the GST rate restored into Text9 and saved on close,
// across runs that share one settings store.
#include "main_window_fixture.h"
#include "report_window.h"

#include <QPointer>
#include <QTimer>

using namespace quillon;

namespace {

const QString kRateKey = QStringLiteral("Myapp/Controls/gst");

} // namespace

class StartupShutdownTest : public MainWindowTest {
    Q_OBJECT
public:
    StartupShutdownTest()
        : MainWindowTest(Window::StartedByTheTests) {}

private Q_SLOTS:
    void startUpRestoresStoredRate_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        // The layout's "10" must not survive: the restored text replaces it in every case.
        QTest::newRow("nothing stored leaves the box empty") << false << QString() << "";
        QTest::newRow("stored empty text") << true << ""
                                           << "";
        QTest::newRow("stored 12.5") << true << "12.5"
                                     << "12.5";
        QTest::newRow("stored text that is no number") << true << "abc"
                                                       << "abc";
        QTest::newRow("blanks kept") << true << " 7 "
                                     << " 7 ";
    }
    void startUpRestoresStoredRate() {
        QFETCH(bool, stored);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        MainWindowFixture fixture;
        if (stored)
            fixture.platform.settings.insert(kRateKey, value);
        const QHash<QString, QString> before = fixture.platform.settings;
        fixture.start();

        QCOMPARE(fixture.find<QLineEdit>("Text9")->text(), shown);
        // Start-up reads the store and writes nothing to it.
        QCOMPARE(fixture.platform.settings, before);
        QVERIFY(fixture.platform.messages.isEmpty());
    }

    void startUpSelectsFivePercentMarkup() {
        MainWindowFixture fixture;
        fixture.start();
        for (int i = 1; i <= 9; ++i) {
            const QByteArray name = "Option" + QByteArray::number(i);
            QCOMPARE(fixture.find<QRadioButton>(name.constData())->isChecked(), i == 1);
        }
    }

    void closeStoresRateForNextStart_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("12.5") << "12.5";
        QTest::newRow("text that is no number") << "abc";
        QTest::newRow("empty box stores the empty text") << "";
        QTest::newRow("blanks and separators unchanged") << " 1,5 ";
    }
    void closeStoresRateForNextStart() {
        QFETCH(QString, typed);
        MainWindowFixture fixture;
        fixture.platform.settings.insert(kRateKey, QStringLiteral("10"));
        fixture.start();
        fixture.type("Text9", typed);

        QVERIFY(fixture.window->close());
        QVERIFY(!fixture.window->isVisible());
        QVERIFY(fixture.platform.settings.contains(kRateKey));
        QCOMPARE(fixture.platform.settings.value(kRateKey), typed);
        QVERIFY(fixture.platform.messages.isEmpty());

        // The next run, same store.
        fixture.window.reset();
        fixture.start();
        QCOMPARE(fixture.find<QLineEdit>("Text9")->text(), typed);
    }

    void runEndedWithoutCloseStoresNothing_data() {
        QTest::addColumn<bool>("stored");
        QTest::newRow("previous rate kept") << true;
        QTest::newRow("no rate stored yet") << false;
    }
    void runEndedWithoutCloseStoresNothing() {
        QFETCH(bool, stored);
        MainWindowFixture fixture;
        if (stored)
            fixture.platform.settings.insert(kRateKey, QStringLiteral("12.5"));
        const QHash<QString, QString> before = fixture.platform.settings;
        fixture.start();
        fixture.type("Text9", QStringLiteral("20"));

        // Like a killed process: the window goes without being closed.
        fixture.window.reset();
        QCOMPARE(fixture.platform.settings, before);

        fixture.start();
        QCOMPARE(fixture.find<QLineEdit>("Text9")->text(),
                 stored ? QStringLiteral("12.5") : QString());
    }

    void failedSaveIsReportedAndWindowStillCloses() {
        MainWindowFixture fixture;
        fixture.platform.settings.insert(kRateKey, QStringLiteral("12.5"));
        const QString reason = QStringLiteral("/nowhere/Myapp.conf cannot be written.");
        fixture.platform.settingSaveError = reason;
        fixture.start();
        fixture.type("Text9", QStringLiteral("15"));

        QVERIFY(fixture.window->close());
        QVERIFY(!fixture.window->isVisible());
        QCOMPARE(fixture.platform.messages.size(), 1);
        const FakePlatform::Message &message = fixture.platform.messages.constFirst();
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
        QVERIFY2(message.text.contains(QLatin1String("GST rate")), qPrintable(message.text));
        QVERIFY(!message.title.isEmpty());

        // Nothing was stored, so the next run shows the rate stored before.
        fixture.platform.settingSaveError.reset();
        fixture.window.reset();
        fixture.start();
        QCOMPARE(fixture.find<QLineEdit>("Text9")->text(), QStringLiteral("12.5"));
    }

    void closeEndsProgramWithReportWindowOpen() {
        MainWindowFixture fixture;
        fixture.platform.textAnswers = {QStringLiteral("Jo"), QStringLiteral("Widget")};
        fixture.start();
        fixture.click("Command3");
        QPointer<ReportWindow> form2 = fixture.window->reportWindow();
        QVERIFY(form2);

        // The event loop ends only if closing the main window quits the program; the report
        // window, still open, would otherwise keep it running. The second timer is a safety net
        // that fails the test instead of hanging it.
        QTimer::singleShot(0, fixture.window.get(), &QWidget::close);
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(fixture.platform.settings.value(kRateKey, QStringLiteral("unsaved")), QString());

        fixture.window.reset();
        QVERIFY(!form2);
    }
};

QTEST_MAIN(StartupShutdownTest)
#include "startup_shutdown_test.moc"
