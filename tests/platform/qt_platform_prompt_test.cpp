// The real platform's one-line prompt, answered as a user answers it. Callers treat the answer as
// text, so Cancel and an untouched OK must give the empty text, never a null string. Its message
// box shows the lines of a text, with no mark for a carriage return.
#include "qt_platform.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quillon;

class QtPlatformPromptTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void answer_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Cancel") << QString() << false << "";
        QTest::newRow("OK with nothing typed") << QString() << true << "";
        QTest::newRow("OK after typing") << "Smith" << true << "Smith";
    }
    void answer() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, expected);
        // The prompt is modal: answer it from the event loop it runs.
        QTimer answerer;
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answerer.stop();
            if (!typed.isEmpty())
                QTest::keyClicks(dialog->findChild<QLineEdit *>(), typed);
            if (ok)
                dialog->accept();
            else
                dialog->reject();
        });
        answerer.start();

        QtPlatform platform;
        const QString answer = platform.askText(
            nullptr, QStringLiteral("Please enter customers name"), QStringLiteral("Customer"));
        QVERIFY(!answer.isNull());
        QCOMPARE(answer, expected);
    }

    void messageShowsPlainLines() {
        QString shown;
        QTimer answerer;
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            answerer.stop();
            shown = box->text();
            box->accept();
        });
        answerer.start();

        QtPlatform platform;
        platform.showMessage(
            nullptr,
            QStringLiteral("Error encountered Please Enter a Value,\r\nthen please retry."),
            QStringLiteral("Error Value Found"), MessageIcon::Warning);
        QCOMPARE(shown,
                 QStringLiteral("Error encountered Please Enter a Value,\nthen please retry."));
    }
};

QTEST_MAIN(QtPlatformPromptTest)
#include "qt_platform_prompt_test.moc"
