// Open Report through the main window with an unreadable, empty, binary, too deeply nested and
// 50 MB file and a named pipe: nothing crashes or waits, a file that cannot be read is told and
// leaves the report as it was, and reading never changes the file. A missing file is tried by the
// report command tests.
#include "fault_injection.h"
#include "look_and_feel.h"
#include "main_window_fixture.h"
#include "report_tab.h"
#include "rtf_reader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace quillon;
using namespace quillon::faults;

namespace {

enum class Content { Unreadable, Empty, Binary, TooDeep, Huge, NamedPipe };

// Every byte value in an order fixed by the seed, around a word that must come through.
QByteArray binaryBytes(qsizetype size) {
    QRandomGenerator random(20050715);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = static_cast<char>(random.bounded(256));
    return bytes.replace(size / 2, 6, "MARKER");
}

const QByteArray kHugeLine = "Purchase Price GST Includedd              $110.00\r\n";

} // namespace

class ReaderFaultsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia));
        applyLookAndFeel(*qApp);
    }

    void openReport_data();
    void openReport();
};

void ReaderFaultsTest::openReport_data() {
    QTest::addColumn<Content>("content");
    QTest::addColumn<bool>("told");

    QTest::newRow("unreadable file is told") << Content::Unreadable << true;
    QTest::newRow("empty file opens as an empty report") << Content::Empty << false;
    QTest::newRow("binary file opens as text") << Content::Binary << false;
    QTest::newRow("groups nested deeper than the reader takes are told")
        << Content::TooDeep << true;
    QTest::newRow("50 MB file opens") << Content::Huge << false;
    // Opening a pipe for reading waits for a writer: the program would freeze.
    QTest::newRow("named pipe is told at once") << Content::NamedPipe << true;
}

void ReaderFaultsTest::openReport() {
    QFETCH(Content, content);
    QFETCH(bool, told);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("report.rtf"));
    QByteArray bytes;
    switch (content) {
    case Content::Unreadable:
        bytes = "{\\rtf1 An earlier report}";
        break;
    case Content::Empty:
        break;
    case Content::Binary:
        bytes = binaryBytes(64 * 1024);
        break;
    case Content::TooDeep:
        // Nothing else in it is wrong: the text after the groups is plain.
        bytes = "{\\rtf1 " + QByteArray(RtfReader::maxGroupDepth + 1, '{') + "MARKER";
        break;
    case Content::Huge:
        bytes = kHugeLine.repeated((50 << 20) / kHugeLine.size());
        break;
    case Content::NamedPipe:
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    }
    if (content != Content::NamedPipe)
        QVERIFY(writeFile(path, bytes));
    if (content == Content::Unreadable) {
        QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permissions do not stop this user (root) from reading");
    }

    MainWindowFixture fixture;
    fixture.start();
    ReportTab tab(fixture);
    tab.open();
    tab.calculate(QStringLiteral("110"), QStringLiteral("10"), "Option2");
    tab.viewReport(QStringLiteral("Smith"), QStringLiteral("Desk"));
    const QString shown = tab.rich()->toPlainText();
    fixture.platform.messages.clear();

    fixture.platform.fileAnswers.push_back(path);
    fixture.click("Command5");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    if (content != Content::NamedPipe)
        QCOMPARE(readFile(path), bytes);
    const QList<FakePlatform::Message> &messages = fixture.platform.messages;
    if (told) {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.constFirst().title, QStringLiteral("Error"));
        QCOMPARE(messages.constFirst().icon, MessageIcon::Warning);
        QVERIFY2(messages.constFirst().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(messages.constFirst().text));
        QCOMPARE(tab.rich()->toPlainText(), shown);
        return;
    }
    QVERIFY(messages.isEmpty());
    const QString opened = tab.rich()->toPlainText();
    switch (content) {
    case Content::Empty:
        QCOMPARE(opened, QString());
        break;
    case Content::Binary:
        QVERIFY(opened.contains(QLatin1String("MARKER")));
        break;
    case Content::Huge:
        // Each CR LF becomes one line end.
        QCOMPARE(opened.size(), bytes.size() / kHugeLine.size() * (kHugeLine.size() - 1));
        QVERIFY(opened.startsWith(QLatin1String("Purchase Price GST Includedd")));
        break;
    default:
        QFAIL("no such row");
    }
}

QTEST_MAIN(ReaderFaultsTest)
#include "reader_faults_test.moc"
