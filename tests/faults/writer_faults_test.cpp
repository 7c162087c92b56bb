// Every command that writes a file, driven through the real windows, against a folder it cannot
// write, a folder that is missing, a full disk and a file replaced by a folder: the user is told,
// nothing crashes, and the earlier quote file with its history, or the earlier report, is left
// exactly as it was.
#include "fault_injection.h"
#include "look_and_feel.h"
#include "main_window_fixture.h"
#include "report_tab.h"

#include <QTemporaryDir>

using namespace quillon;
using namespace quillon::faults;

namespace {

enum class Command { ViewReport, SaveToFile, SaveReport };
// Where the file lives: the quote file in the program's folder or, when that cannot be written,
// in the data folder; a report wherever the user chose.
enum class Place { ProgramFolder, DataFolder, ChosenFolder };
enum class Fault { ReadOnlyFolder, MissingFolder, FullDisk, FileIsFolder };
// The error box, or (for the program's folder) the quote file moving to the data folder with a
// note once, or the record appended all the same: appending to a writable file needs no right to
// the folder.
enum class Outcome { Error, MovedToDataFolder, Appended };

} // namespace

class WriterFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
        applyLookAndFeel(*qApp);
    }

    void earlierFileSurvives_data();
    void earlierFileSurvives();
};

void WriterFaultsTest::earlierFileSurvives_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Place>("place");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Outcome>("outcome");

    // quote.txt replaced by a folder in the program's folder is tried by the View Report and
    // report window tests.
    const struct {
        const char *name;
        Command command;
    } quoteCommands[] = {{"View Report", Command::ViewReport},
                         {"Save to File", Command::SaveToFile}};
    for (const auto &entry : quoteCommands) {
        const Command command = entry.command;
        const auto row = [&entry](const char *what) -> QTestData & {
            return QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(entry.name, what)));
        };
        row("read-only program folder moves the quote file to the data folder")
            << command << Place::ProgramFolder << Fault::ReadOnlyFolder
            << Outcome::MovedToDataFolder;
        row("missing program folder moves the quote file to the data folder")
            << command << Place::ProgramFolder << Fault::MissingFolder
            << Outcome::MovedToDataFolder;
        row("full disk under the program folder")
            << command << Place::ProgramFolder << Fault::FullDisk << Outcome::Error;
        row("read-only data folder")
            << command << Place::DataFolder << Fault::ReadOnlyFolder
            << (command == Command::SaveToFile ? Outcome::Appended : Outcome::Error);
        row("data folder that cannot be made")
            << command << Place::DataFolder << Fault::MissingFolder << Outcome::Error;
        row("full disk under the data folder")
            << command << Place::DataFolder << Fault::FullDisk << Outcome::Error;
        row("quote.txt in the data folder replaced by a folder")
            << command << Place::DataFolder << Fault::FileIsFolder << Outcome::Error;
    }
    // A missing folder is tried by the report command tests.
    QTest::newRow("Save Report: read-only folder")
        << Command::SaveReport << Place::ChosenFolder << Fault::ReadOnlyFolder << Outcome::Error;
    QTest::newRow("Save Report: full disk")
        << Command::SaveReport << Place::ChosenFolder << Fault::FullDisk << Outcome::Error;
    QTest::newRow("Save Report: report replaced by a folder")
        << Command::SaveReport << Place::ChosenFolder << Fault::FileIsFolder << Outcome::Error;
}

void WriterFaultsTest::earlierFileSurvives() {
    QFETCH(Command, command);
    QFETCH(Place, place);
    QFETCH(Fault, fault);
    QFETCH(Outcome, outcome);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString programFolder = root.filePath(QStringLiteral("program"));
    const QString dataFolder = root.filePath(QStringLiteral("data"));
    const QString reportFolder = root.filePath(QStringLiteral("reports"));
    // Nothing can be made inside a regular file, not even by root.
    const QString blocker = root.filePath(QStringLiteral("blocker"));
    QVERIFY(writeFile(blocker, "not a folder"));
    const QString folder = place == Place::ProgramFolder ? programFolder
                           : place == Place::DataFolder  ? dataFolder
                                                         : reportFolder;
    const QString file = QDir(folder).filePath(
        place == Place::ChosenFolder ? QStringLiteral("report.rtf") : QStringLiteral("quote.txt"));
    QVERIFY(QDir().mkpath(folder));
    std::optional<FullDisk> disk;
    if (fault == Fault::FullDisk)
        disk.emplace(folder);

    // The earlier work: a quote with one history record, and a saved report.
    MainWindowFixture fixture;
    fixture.platform.programFolderPath =
        place == Place::DataFolder ? blocker + QStringLiteral("/bin") : programFolder;
    fixture.platform.userDataFolderPath = dataFolder;
    QVERIFY(QDir().mkpath(programFolder));
    fixture.start();
    ReportTab tab(fixture);
    tab.open();
    tab.calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
    // A product name longer than a disk block, so that the next record cannot fit in the space
    // the file's last block has left.
    tab.viewReport(QStringLiteral("Smith"), QStringLiteral("Desk ").repeated(1000));
    QTest::mouseClick(tab.reportControl<QPushButton>("Command2"), Qt::LeftButton);
    fixture.platform.fileAnswers.push_back(QDir(reportFolder).filePath("report.rtf"));
    fixture.click("Command4");
    const QByteArray before = readFile(file);
    QVERIFY(!before.isEmpty());
    const QString shown = tab.rich()->toPlainText();
    QVERIFY(shown.contains(QLatin1String("Smith")));
    fixture.platform.messages.clear();

    // The fault.
    QString failingFile = file;
    QString keptFile = file;
    std::optional<ReadOnlyFolder> readOnly;
    switch (fault) {
    case Fault::ReadOnlyFolder:
        readOnly.emplace(folder);
        if (!readOnly->bites())
            QSKIP("permissions do not stop this user (root) from writing");
        break;
    case Fault::MissingFolder:
        if (place == Place::ProgramFolder) {
            fixture.platform.programFolderPath = root.filePath(QStringLiteral("gone"));
        } else {
            fixture.platform.userDataFolderPath = blocker + QStringLiteral("/data");
            failingFile = blocker + QStringLiteral("/data/quote.txt");
        }
        break;
    case Fault::FullDisk:
        disk->fill();
        break;
    case Fault::FileIsFolder:
        keptFile = QDir(file).filePath(QStringLiteral("keep"));
        QVERIFY(QFile::rename(file, root.filePath(QStringLiteral("keep"))));
        QVERIFY(QDir().mkdir(file));
        QVERIFY(QFile::rename(root.filePath(QStringLiteral("keep")), keptFile));
        break;
    }
    const QStringList entries = folderEntries(folder);

    switch (command) {
    case Command::ViewReport:
        tab.viewReport(QStringLiteral("Jones"), QStringLiteral("Chair"));
        break;
    case Command::SaveToFile:
        QTest::mouseClick(tab.reportControl<QPushButton>("Command2"), Qt::LeftButton);
        break;
    case Command::SaveReport:
        fixture.platform.fileAnswers.push_back(file);
        fixture.click("Command4");
        break;
    }

    const QList<FakePlatform::Message> &messages = fixture.platform.messages;
    if (outcome == Outcome::Appended) {
        const QByteArray after = readFile(file);
        QVERIFY(after.size() > before.size());
        QVERIFY(after.startsWith(before));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.constFirst().text, QStringLiteral("Quote Saved"));
        return;
    }

    // Nothing lost, nothing left behind.
    QCOMPARE(readFile(keptFile), before);
    QCOMPARE(folderEntries(folder), entries);

    QVERIFY(!messages.isEmpty());
    const FakePlatform::Message &message = messages.constFirst();
    if (outcome == Outcome::Error) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(message.title, QStringLiteral("Error"));
        QCOMPARE(message.icon, MessageIcon::Warning);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(failingFile)),
                 qPrintable(message.text));
        // No reason the system could not name.
        QVERIFY2(!message.text.contains(QLatin1String("Unknown error")), qPrintable(message.text));
        if (command == Command::ViewReport)
            QCOMPARE(tab.rich()->toPlainText(), shown);
        return;
    }

    // The quote file goes to the data folder. View Report tells where; Save to File only says
    // the quote was saved, and View History opens the file where it went.
    const QString movedFile = QDir(dataFolder).filePath(QStringLiteral("quote.txt"));
    const QByteArray moved = readFile(movedFile);
    QCOMPARE(messages.size(), 1);
    if (command == Command::ViewReport) {
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(movedFile)),
                 qPrintable(message.text));
        QVERIFY(moved.contains("Client:       Jones"));
        QVERIFY(tab.rich()->toPlainText().contains(QLatin1String("Jones")));
    } else {
        QCOMPARE(message.text, QStringLiteral("Quote Saved"));
        QVERIFY(moved.contains("Client:       Smith"));
        QTest::mouseClick(tab.reportControl<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(fixture.platform.editedFiles, QStringList{movedFile});
    }
}

QTEST_MAIN(WriterFaultsTest)
#include "writer_faults_test.moc"
