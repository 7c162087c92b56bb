#include "fake_platform.h"
#include "greeting_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using quillon::FakePlatform;
using quillon::GreetingWindow;

using OptionalName = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalName)

class GreetingWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greetingComposedAtCreation_data() {
        QTest::addColumn<OptionalName>("user");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("alice") << OptionalName(QStringLiteral("alice"))
                               << QStringLiteral("Welcome alice!");
        QTest::newRow("no name") << OptionalName() << QStringLiteral("Welcome <unknown>!");
        QTest::newRow("257 characters")
            << OptionalName(QString(257, QLatin1Char('b'))) << QStringLiteral("Welcome <unknown>!");
    }

    void greetingComposedAtCreation() {
        QFETCH(OptionalName, user);
        QFETCH(QString, greeting);
        FakePlatform platform;
        platform.user = user;
        const GreetingWindow form3(platform);
        QCOMPARE(form3.windowTitle(), QStringLiteral("Form3"));
        QCOMPARE(form3.greeting(), greeting);
        const auto *label1 = form3.findChild<QLabel *>(QStringLiteral("Label1"));
        QVERIFY(label1);
        QCOMPARE(label1->text(), greeting);
    }

    void greetingKeptWhenTheNameChanges() {
        FakePlatform platform;
        const GreetingWindow form3(platform);
        platform.user = QStringLiteral("bob");
        QCOMPARE(form3.greeting(), QStringLiteral("Welcome alice!"));
    }

    void separateHiddenWindowOfItsParent() {
        FakePlatform platform;
        auto *mainWindow = new QWidget;
        const QPointer<GreetingWindow> form3 = new GreetingWindow(platform, mainWindow);
        mainWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainWindow));
        QVERIFY(form3->isWindow());
        QVERIFY(!form3->isVisible());
        delete mainWindow;
        QVERIFY(form3.isNull());
    }
};

QTEST_MAIN(GreetingWindowTest)
#include "greeting_window_test.moc"
