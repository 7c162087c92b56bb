// Where the quote file lives: the program's folder when it can be written, the user's data
// folder otherwise, the same for View Report, Save to File and View History.
#include "quote_file.h"
#include "quote_folder.h"
#include "report_tab.h"
#include "test_files.h"

#include <QTemporaryDir>

using namespace quillon;

class QuoteFolderTest : public MainWindowTest {
    Q_OBJECT
public:
    QuoteFolderTest()
        : MainWindowTest(Window::StartedByTheTests) {}

private Q_SLOTS:
    void writableProgramFolderKeepsTheQuotes() {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        QCOMPARE(quoteFolder(dir.path(), data), dir.path());
        QVERIFY(!QFileInfo::exists(data));
    }

    void unwritableProgramFolderSendsQuotesToTheDataFolder() {
        QTemporaryDir dir;
        // A folder inside a regular file can neither exist nor be written, even by root.
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString program = dir.filePath(QStringLiteral("file/bin"));
        const QString data = dir.filePath(QStringLiteral("share/quillon"));
        QCOMPARE(quoteFolder(program, data), data);
        QVERIFY(QFileInfo(data).isDir());
    }

    // A folder closed to this user by its rights, not by an attribute (Program Files to a
    // standard user): the test run closes one (closed_folder.sh) and names it in
    // QUILLON_CLOSED_FOLDER; run alone, as the unprivileged user, the test closes one itself. The
    // history kept there from before comes along into the data folder.
    void closedProgramFolderSendsQuotesAndTheirHistoryToTheDataFolder() {
        QTemporaryDir dir;
        QString closed = qEnvironmentVariable("QUILLON_CLOSED_FOLDER");
        if (closed.isEmpty()) {
            closed = dir.filePath(QStringLiteral("closed"));
            QVERIFY(QDir().mkdir(closed));
            QVERIFY(writeFile(quoteFilePath(closed), "Kept beside the program\r\n"));
            QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        QFile probe(QDir(closed).filePath(QStringLiteral("probe")));
        const bool writable = probe.open(QIODevice::WriteOnly);
        probe.remove();
        QVERIFY2(!writable, "This user may add files to the folder: run the test through ctest, "
                            "which closes it, or as an unprivileged user.");

        const QString data = dir.filePath(QStringLiteral("data"));
        QCOMPARE(quoteFolder(closed, data), data);
        QCOMPARE(readFile(quoteFilePath(data)), readFile(quoteFilePath(closed)));
        QVERIFY(!readFile(quoteFilePath(data)).isEmpty());
        QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    }

    void allThreeCommandsUseTheDataFolder() {
        MainWindowFixture fixture;
        QFile blocker(fixture.platform.userDataFolderPath + QStringLiteral("-blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        fixture.platform.programFolderPath = blocker.fileName() + QStringLiteral("/bin");
        fixture.start();
        ReportTab tab(fixture);
        tab.open();
        tab.calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");

        tab.viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
        const QString quoteFile =
            QDir(fixture.platform.userDataFolderPath).filePath(QStringLiteral("quote.txt"));
        QVERIFY(QFileInfo::exists(quoteFile));
        QCOMPARE(fixture.platform.workingFolder, fixture.platform.userDataFolderPath);
        QCOMPARE(fixture.platform.messages.size(), 1);
        QVERIFY(fixture.platform.messages.constFirst().text.contains(
            QDir::toNativeSeparators(quoteFile)));

        QTest::mouseClick(tab.reportControl<QPushButton>("Command2"), Qt::LeftButton);
        // Looked at without opening it: Windows does not replace a file that is held open.
        QCOMPARE(QFileInfo(quoteFile).size(), 827 + 626);

        QTest::mouseClick(tab.reportControl<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(fixture.platform.editedFiles, QStringList{quoteFile});

        // The user is told once a run, not at every quote.
        tab.viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));
        QCOMPARE(fixture.platform.messages.size(), 2); // the first note and "Quote Saved"
    }

    // With the program's folder not writable and no home folder, nothing is written relative to
    // the working folder; the user is told why instead.
    void noFolderAtAllIsTold() {
        MainWindowFixture fixture;
        QFile blocker(fixture.platform.userDataFolderPath + QStringLiteral("-blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        fixture.platform.programFolderPath = blocker.fileName() + QStringLiteral("/bin");
        fixture.platform.userDataFolderPath.clear();
        QTemporaryDir working;
        QVERIFY(QDir::setCurrent(working.path()));
        fixture.start();
        ReportTab tab(fixture);
        tab.open();

        tab.viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));

        QCOMPARE(QDir(working.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        QCOMPARE(fixture.platform.messages.size(), 1);
        QVERIFY2(fixture.platform.messages.constFirst().text.contains(QLatin1String("home folder")),
                 qPrintable(fixture.platform.messages.constFirst().text));
    }
};

QTEST_MAIN(QuoteFolderTest)
#include "quote_folder_test.moc"
