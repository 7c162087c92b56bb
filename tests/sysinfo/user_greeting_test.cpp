#include "user_greeting.h"

#include <QTest>

using quillon::currentUserName;
using quillon::greetingText;

using OptionalName = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalName)

class UserGreetingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greeting_data() {
        QTest::addColumn<OptionalName>("platformName");
        QTest::addColumn<QString>("expected");

        const QString name256(256, QLatin1Char('a'));
        QTest::newRow("alice") << OptionalName(QStringLiteral("alice"))
                               << QStringLiteral("Welcome alice!");
        QTest::newRow("no name: <unknown>")
            << OptionalName() << QStringLiteral("Welcome <unknown>!");
        QTest::newRow("empty name: <unknown>")
            << OptionalName(QString()) << QStringLiteral("Welcome <unknown>!");
        QTest::newRow("256 characters shown whole")
            << OptionalName(name256) << QStringLiteral("Welcome ") + name256 + QLatin1Char('!');
        QTest::newRow("257 characters: <unknown>")
            << OptionalName(QString(257, QLatin1Char('a'))) << QStringLiteral("Welcome <unknown>!");
        QTest::newRow("name with a space and accent kept")
            << OptionalName(QStringLiteral("José M")) << QStringLiteral("Welcome José M!");
    }

    void greeting() {
        QFETCH(OptionalName, platformName);
        QFETCH(QString, expected);
        QCOMPARE(greetingText(currentUserName(platformName)), expected);
    }
};

QTEST_GUILESS_MAIN(UserGreetingTest)
#include "user_greeting_test.moc"
