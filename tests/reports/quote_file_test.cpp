#include "quote_examples.h"
#include "quote_file.h"
#include "quote_report.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace quillon;

namespace {

QuoteReport jonesChair() {
    QuoteReport report = examples::smithDesk();
    report.client = QStringLiteral("Jones");
    report.product = QStringLiteral("Chair");
    return report;
}

// A quote that does not look like the sample: other date, non-ASCII and very long names.
QByteArray unusualQuote() {
    QuoteReport report = examples::smithDesk();
    report.date = QStringLiteral("Friday the 15th of July 2005");
    report.product = QStringLiteral("Schreibtisch für Jürgen 🪑");
    report.client = QStringLiteral("x").repeated(10000);
    report.netGstOwing = QStringLiteral("-1.00");
    return quoteText(report).toUtf8();
}

QByteArray withLine(const QByteArray &quote, int lineNumber, const QByteArray &line) {
    QList<QByteArray> lines = quote.split('\n');
    lines[lineNumber - 1] = line + '\r';
    return lines.join('\n');
}

enum class Command { WriteQuote, AppendHistory };
enum class Obstacle {
    QuoteFileIsFolder,
    QuoteFileIsDevice,
    DiskFull,
    ReadOnlyFolder,
    ReadOnlyQuoteFile,
    UnreadableQuoteFile
};

#ifdef Q_OS_UNIX
// Files cannot grow past `limit` bytes while it lives, as on a full disk; root is bound by it too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
#endif

} // namespace

class QuoteFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacedContent_data();
    void replacedContent();
    void quoteThenHistoryMakesOneFile();
    void historyCreatesMissingFile();
    void newQuoteKeepsHistory();
    void failureLeavesFileIntact_data();
    void failureLeavesFileIntact();
};

void QuoteFileTest::replacedContent_data() {
    QTest::addColumn<QByteArray>("oldContent");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray quote = examples::smithDeskQuote();
    const QByteArray history = examples::smithDeskHistory();
    const QByteArray notes = "Quotes for the shop\r\n";
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += char(i * 7 % 256);
    }

    QTest::newRow("no old file") << QByteArray() << QByteArray();
    QTest::newRow("old quote alone") << quote << QByteArray();
    QTest::newRow("old quote with two records") << quote + history + history << history + history;
    QTest::newRow("old unusual quote with a record") << unusualQuote() + history << history;
    QTest::newRow("old quote with empty names")
        << withLine(withLine(quote, 3, "Product:      "), 4, "Client:       ") << QByteArray();
    QTest::newRow("records alone") << history + history << history + history;
    QTest::newRow("other text") << notes << notes;
    QTest::newRow("quote after other text") << notes + quote << notes + quote;
    QTest::newRow("quote cut short") << quote.chopped(2) << quote.chopped(2);
    QTest::newRow("quote of 29 lines")
        << quote.first(quote.lastIndexOf("Profit")) << quote.first(quote.lastIndexOf("Profit"));
    QTest::newRow("LF line ends") << QByteArray(quote).replace("\r\n", "\n")
                                  << QByteArray(quote).replace("\r\n", "\n");
    QTest::newRow("lone CR on a blank line")
        << withLine(quote, 2, "\r") + history << withLine(quote, 2, "\r") + history;
    QTest::newRow("blank line not blank") << withLine(quote, 21, " ") << withLine(quote, 21, " ");
    QTest::newRow("text after the heading") << withLine(quote, 22, "Activity Statement 2005")
                                            << withLine(quote, 22, "Activity Statement 2005");
    QTest::newRow("caption changed")
        << withLine(quote, 8, "GST paid      $10.00") << withLine(quote, 8, "GST paid      $10.00");
    QTest::newRow("amount without its $")
        << withLine(quote, 6, "Purchase Price GST Includedd              110.00")
        << withLine(quote, 6, "Purchase Price GST Includedd              110.00");
    QTest::newRow("binary") << binary << binary;
    QTest::newRow("quote then binary") << quote + binary << binary;
    QTest::newRow("huge without line ends") << QByteArray(8 << 20, 'x') << QByteArray(8 << 20, 'x');
    QTest::newRow("quote then huge record")
        << quote + QByteArray(8 << 20, '\r') << QByteArray(8 << 20, '\r');
}

void QuoteFileTest::replacedContent() {
    QFETCH(QByteArray, oldContent);
    QFETCH(QByteArray, kept);

    const QString newQuote = quoteText(jonesChair());

    QCOMPARE(replacedQuoteFileContent(newQuote, oldContent), newQuote.toUtf8() + kept);
}

void QuoteFileTest::quoteThenHistoryMakesOneFile() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk())), std::nullopt);
    QCOMPARE(readFile(folder.filePath("quote.txt")), examples::smithDeskQuote());
    QCOMPARE(appendHistory(folder.path(), historyRecord(examples::smithDesk())), std::nullopt);

    const QByteArray content = readFile(folder.filePath("quote.txt"));
    QCOMPARE(content, examples::smithDeskQuote() + examples::smithDeskHistory());
    QCOMPARE(content.size(), 1453);
}

void QuoteFileTest::historyCreatesMissingFile() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    QCOMPARE(appendHistory(folder.path(), historyRecord(examples::smithDesk())), std::nullopt);

    QCOMPARE(readFile(folder.filePath("quote.txt")), examples::smithDeskHistory());
}

void QuoteFileTest::newQuoteKeepsHistory() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString record = historyRecord(examples::smithDesk());
    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk())), std::nullopt);
    QCOMPARE(appendHistory(folder.path(), record), std::nullopt);
    QCOMPARE(appendHistory(folder.path(), record), std::nullopt);

    const QString newQuote = quoteText(jonesChair());
    QCOMPARE(writeQuote(folder.path(), newQuote), std::nullopt);
    QCOMPARE(writeQuote(folder.path(), newQuote), std::nullopt);

    QCOMPARE(readFile(folder.filePath("quote.txt")),
             newQuote.toUtf8() + examples::smithDeskHistory() + examples::smithDeskHistory());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"quote.txt"});
}

void QuoteFileTest::failureLeavesFileIntact_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<Obstacle>("obstacle");

    QTest::newRow("write quote: quote.txt is a folder")
        << Command::WriteQuote << Obstacle::QuoteFileIsFolder;
    QTest::newRow("append history: quote.txt is a folder")
        << Command::AppendHistory << Obstacle::QuoteFileIsFolder;
    QTest::newRow("append history: quote.txt links to a device")
        << Command::AppendHistory << Obstacle::QuoteFileIsDevice;
    QTest::newRow("write quote: disk full part-way") << Command::WriteQuote << Obstacle::DiskFull;
    QTest::newRow("append history: disk full part-way")
        << Command::AppendHistory << Obstacle::DiskFull;
    QTest::newRow("write quote: read-only folder")
        << Command::WriteQuote << Obstacle::ReadOnlyFolder;
    QTest::newRow("write quote: read-only quote.txt")
        << Command::WriteQuote << Obstacle::ReadOnlyQuoteFile;
    QTest::newRow("append history: read-only quote.txt")
        << Command::AppendHistory << Obstacle::ReadOnlyQuoteFile;
    QTest::newRow("write quote: unreadable quote.txt")
        << Command::WriteQuote << Obstacle::UnreadableQuoteFile;
}

void QuoteFileTest::failureLeavesFileIntact() {
    QFETCH(Command, command);
    QFETCH(Obstacle, obstacle);

#ifdef Q_OS_UNIX
    const bool needsPermissions = obstacle == Obstacle::ReadOnlyFolder ||
                                  obstacle == Obstacle::ReadOnlyQuoteFile ||
                                  obstacle == Obstacle::UnreadableQuoteFile;
    if (needsPermissions && geteuid() == 0) {
        QSKIP("running as root, where file permissions do not bite");
    }
#else
    QSKIP("needs POSIX file size limits and devices");
#endif

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    const QByteArray before = examples::smithDeskQuote() + examples::smithDeskHistory();
    const QString inFolder = QStringLiteral("quote.txt/keep.txt");
    switch (obstacle) {
    case Obstacle::QuoteFileIsFolder:
        QVERIFY(QDir(folder.path()).mkdir("quote.txt"));
        QVERIFY(writeFile(folder.filePath(inFolder), before));
        break;
    case Obstacle::QuoteFileIsDevice:
        QVERIFY(QFile::link("/dev/null", path));
        break;
    default:
        QVERIFY(writeFile(path, before));
    }
    const QFile::Permissions folderPermissions = QFile::permissions(folder.path());
    const QFile::Permissions filePermissions = QFile::permissions(path);
    if (obstacle == Obstacle::ReadOnlyFolder) {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    } else if (obstacle == Obstacle::ReadOnlyQuoteFile) {
        QFile::setPermissions(path, QFile::ReadOwner);
    } else if (obstacle == Obstacle::UnreadableQuoteFile) {
        QFile::setPermissions(path, QFile::WriteOwner);
    }

    // A long name makes the new quote outgrow the size limit whatever the command writes.
    QuoteReport report = jonesChair();
    report.client = QStringLiteral("y").repeated(2000);
    std::optional<QString> reason;
    {
#ifdef Q_OS_UNIX
        std::optional<FileSizeLimit> limit;
        if (obstacle == Obstacle::DiskFull) {
            limit.emplace(before.size() + 300);
        }
#endif
        reason = command == Command::WriteQuote
                     ? writeQuote(folder.path(), quoteText(report))
                     : appendHistory(folder.path(), historyRecord(report));
    }
    QFile::setPermissions(folder.path(), folderPermissions);
    QFile::setPermissions(path, filePermissions);

    QVERIFY(reason.has_value());
    QVERIFY2(reason->contains(QDir::toNativeSeparators(path)), qPrintable(*reason));
    QVERIFY2(!reason->endsWith(QStringLiteral("Unknown error")), qPrintable(*reason));
#ifdef Q_OS_UNIX
    if (obstacle == Obstacle::DiskFull) {
        QVERIFY2(reason->endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(*reason));
    }
#endif
    switch (obstacle) {
    case Obstacle::QuoteFileIsFolder:
        QCOMPARE(readFile(folder.filePath(inFolder)), before);
        break;
    case Obstacle::QuoteFileIsDevice:
        QCOMPARE(QFileInfo(path).symLinkTarget(), QStringLiteral("/dev/null"));
        break;
    default:
        QCOMPARE(readFile(path), before);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
             QStringList{"quote.txt"});
}

QTEST_GUILESS_MAIN(QuoteFileTest)
#include "quote_file_test.moc"
