// The real platform's one-line prompt, message box and file dialogs, answered as a user answers
// them. Callers treat the prompt's answer as text, so Cancel and an untouched OK must give the
// empty text, never a null string. A message box shows the lines of a text, with no mark for a
// carriage return.
#include "qt_platform.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QTemporaryDir>
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

    // A file dialog starts in the folder of the file chosen last, offering its name, and guesses
    // types from names: content is never read ("kmsg" holds rich text here).
    void fileDialogStartsWhereTheLastFileIs_data() {
        QTest::addColumn<bool>("opening");
        QTest::newRow("Save Report") << false;
        QTest::newRow("Open Report offers the saved name in its folder") << true;
    }
    void fileDialogStartsWhereTheLastFileIs() {
        QFETCH(bool, opening);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile unnamed(folder.filePath(QStringLiteral("kmsg")));
        QVERIFY(unnamed.open(QIODevice::WriteOnly));
        unnamed.write("{\\rtf1 report}");
        unnamed.close();
        QString shownFolder, shownName, unnamedType;
        QTimer answerer;
        answerer.setInterval(10);
        connect(&answerer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answerer.stop();
            shownFolder = dialog->directory().absolutePath();
            shownName = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            unnamedType = dialog->iconProvider()->type(QFileInfo(unnamed));
            dialog->reject();
        });
        answerer.start();

        QtPlatform platform;
        FileDialogRequest request;
        request.filters = {QStringLiteral("Rich Text Files(*.rtf)")};
        request.fileName = folder.filePath(QStringLiteral("kmsg"));
        const std::optional<QString> chosen = opening ? platform.chooseOpenFile(nullptr, request)
                                                      : platform.chooseSaveFile(nullptr, request);
        QVERIFY(!chosen);
        QCOMPARE(shownFolder, QDir(folder.path()).absolutePath());
        QCOMPARE(shownName, QStringLiteral("kmsg"));
        QCOMPARE(unnamedType,
                 QMimeDatabase()
                     .mimeTypeForFile(QStringLiteral("kmsg"), QMimeDatabase::MatchExtension)
                     .comment());
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
