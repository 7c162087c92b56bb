#include "child_process.h"
#include "quote_examples.h"
#include "quote_file.h"
#include "quote_report.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace quillon;

namespace {

enum class Command { WriteQuote, AppendHistory };
enum class Obstacle {
    QuoteFileIsFolder,
    QuoteFileIsDevice,
    DiskFull,
    ReadOnlyFolder,
    ReadOnlyQuoteFile,
    UnreadableQuoteFile,
    QuoteFileMountedOver
};

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

bool writeProcFile(const char *name, const QByteArray &text) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(text) == text.size();
}

// The figure `name` of /proc/self/status in kB (VmRSS: memory held now, VmHWM: the most held
// since the last resetPeakMemory()); -1 when it cannot be had.
qint64 memoryKb(const QByteArray &name) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.sliced(name.size() + 1).trimmed().split(' ').constFirst().toLongLong();
    }
    return -1;
}

bool resetPeakMemory() {
    return writeProcFile("/proc/self/clear_refs", "5");
}

// Mounts are private to a mount namespace of its own; a user who is not root gets one inside a
// user namespace of its own, where it is root of nothing but its own files.
bool enterPrivateMountNamespace() {
    if (geteuid() == 0)
        return unshare(CLONE_NEWNS) == 0;
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    return unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 &&
           writeProcFile("/proc/self/setgroups", "deny") &&
           writeProcFile("/proc/self/uid_map",
                         QByteArray::number(uid) + ' ' + QByteArray::number(uid) + " 1") &&
           writeProcFile("/proc/self/gid_map",
                         QByteArray::number(gid) + ' ' + QByteArray::number(gid) + " 1");
}

// Another file mounted over the quote file, as an administrator or a sandbox may do: nothing can
// be renamed over a mount point.
bool mountOverQuoteFile(const QString &folder, const QString &mounted) {
    const QByteArray target = QFile::encodeName(QDir(folder).filePath("quote.txt"));
    return enterPrivateMountNamespace() &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(QFile::encodeName(mounted).constData(), target.constData(), nullptr, MS_BIND,
                 nullptr) == 0;
}

} // namespace

class QuoteFileLinuxTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void failureLeavesFileIntact_data();
    void failureLeavesFileIntact();
    void foreignFileIsNotHeldInMemory();
    void twoCopiesTakeTurns();
    void lockFileOfAnotherUserStillLocks();
    void fileSystemWithoutLocksIsToldAtOnce();
};

void QuoteFileLinuxTest::failureLeavesFileIntact_data() {
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
    QTest::newRow("write quote: a file mounted over quote.txt, so the rename fails")
        << Command::WriteQuote << Obstacle::QuoteFileMountedOver;
}

void QuoteFileLinuxTest::failureLeavesFileIntact() {
    QFETCH(Command, command);
    QFETCH(Obstacle, obstacle);

    const bool needsPermissions = obstacle == Obstacle::ReadOnlyFolder ||
                                  obstacle == Obstacle::ReadOnlyQuoteFile ||
                                  obstacle == Obstacle::UnreadableQuoteFile;
    if (needsPermissions && geteuid() == 0) {
        QSKIP("running as root, where file permissions do not bite; scripts/test.sh --thorough "
              "runs this row again as an unprivileged user");
    }

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
    QuoteReport report = examples::jonesChair();
    report.client = QStringLiteral("y").repeated(2000);
    // The file mounted over quote.txt holds the same content, so that what the rename would have
    // replaced shows in either.
    QTemporaryDir elsewhere;
    const QString mounted = elsewhere.filePath("mounted.txt");
    QVERIFY(writeFile(mounted, before));
    std::optional<QString> reason;
    if (obstacle == Obstacle::QuoteFileMountedOver) {
        reason = reasonInChild(
            [&] { return mountOverQuoteFile(folder.path(), mounted); },
            [&] { return writeQuote(folder.path(), quoteText(report), leadingQuoteTextSize); });
        if (!reason) {
            QSKIP("no mount namespace can be made here (user namespaces are off), so no file can "
                  "be mounted over quote.txt");
        }
    } else {
        std::optional<FileSizeLimit> limit;
        if (obstacle == Obstacle::DiskFull) {
            limit.emplace(before.size() + 300);
        }
        reason = command == Command::WriteQuote
                     ? writeQuote(folder.path(), quoteText(report), leadingQuoteTextSize)
                     : appendHistory(folder.path(), historyRecord(report));
    }
    QFile::setPermissions(folder.path(), folderPermissions);
    QFile::setPermissions(path, filePermissions);

    QVERIFY(reason.has_value());
    QVERIFY2(reason->contains(QDir::toNativeSeparators(path)), qPrintable(*reason));
    QVERIFY2(!reason->endsWith(QStringLiteral("Unknown error")), qPrintable(*reason));
    if (obstacle == Obstacle::DiskFull) {
        QVERIFY2(reason->endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(*reason));
    }
    switch (obstacle) {
    case Obstacle::QuoteFileIsFolder:
        QCOMPARE(readFile(folder.filePath(inFolder)), before);
        break;
    case Obstacle::QuoteFileIsDevice:
        QCOMPARE(QFileInfo(path).symLinkTarget(), QStringLiteral("/dev/null"));
        break;
    default:
        QCOMPARE(readFile(path), before);
        QCOMPARE(readFile(mounted), before);
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
             QStringList{"quote.txt"});
}

// A large quote.txt that does not begin with a quote (an editor changed its line ends) is never
// read whole: only its head is looked at, and the rest goes into the new file in the kernel.
void QuoteFileLinuxTest::foreignFileIsNotHeldInMemory() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    constexpr qint64 kOldSize = qint64(64) << 20;
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.resize(kOldSize));
    old.close();
    QVERIFY2(resetPeakMemory(), "the peak of the memory held cannot be reset here");
    const qint64 before = memoryKb("VmRSS");

    const QByteArray newQuote = quoteText(examples::jonesChair()).toUtf8();
    QCOMPARE(writeQuote(folder.path(), QString::fromUtf8(newQuote), leadingQuoteTextSize),
             std::nullopt);

    const qint64 grown = memoryKb("VmHWM") - before;
    QVERIFY2(before > 0 && grown < 16 * 1024, qPrintable(QString::number(grown) + " kB"));
    QCOMPARE(QFileInfo(path).size(), newQuote.size() + kOldSize);
}

// Two running copies: while one of them replaces the quote file, the other's Save to File waits
// for its turn and then adds its record to the new file, not to the old one the replace throws
// away; a copy that does not get its turn in time changes nothing and says why.
void QuoteFileLinuxTest::twoCopiesTakeTurns() {
    using namespace std::chrono_literals;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize),
             std::nullopt);
    const QByteArray newQuote = quoteText(examples::jonesChair()).toUtf8();

    // The other copy's turn: a lock on the lock file, as the program takes it.
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
    int otherCopy = open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
    QVERIFY(otherCopy >= 0);
    QCOMPARE(flock(otherCopy, LOCK_EX | LOCK_NB), 0);
    auto saved = std::async(std::launch::async, [&folder] {
        return appendHistory(folder.path(), historyRecord(examples::smithDesk()));
    });
    QCOMPARE(saved.wait_for(300ms), std::future_status::timeout);
    QCOMPARE(readFile(path), examples::smithDeskQuote());
    QVERIFY(writeFile(path, newQuote));
    close(otherCopy);
    QCOMPARE(saved.get(), std::nullopt);
    QCOMPARE(readFile(path), newQuote + examples::smithDeskHistory());

    otherCopy = open(lockPath.constData(), O_RDWR | O_CREAT, 0644);
    QCOMPARE(flock(otherCopy, LOCK_EX | LOCK_NB), 0);
    const std::optional<QString> reason =
        writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize);
    QVERIFY(reason.has_value());
    QVERIFY2(reason->contains(QLatin1String("another copy")), qPrintable(*reason));
    QCOMPARE(readFile(path), newQuote + examples::smithDeskHistory());
    close(otherCopy);
}

// A lock file that another user made, which this user may read but not write, still makes this
// copy wait for the other copy's turn.
void QuoteFileLinuxTest::lockFileOfAnotherUserStillLocks() {
    if (geteuid() == 0) {
        QSKIP("running as root, where file permissions do not bite; scripts/test.sh --thorough "
              "runs this test again as an unprivileged user");
    }
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize),
             std::nullopt);
    const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
    const int otherCopy = open(lockPath.constData(), O_RDONLY | O_CREAT, 0444);
    QVERIFY(otherCopy >= 0);
    QCOMPARE(flock(otherCopy, LOCK_EX | LOCK_NB), 0);

    const std::optional<QString> reason =
        appendHistory(folder.path(), historyRecord(examples::smithDesk()));
    close(otherCopy);

    QVERIFY(reason.has_value());
    QVERIFY2(reason->contains(QLatin1String("another copy")), qPrintable(*reason));
    QCOMPARE(readFile(path), examples::smithDeskQuote());
}

// Where no lock can be had at all, waiting cannot help and no other copy is to blame: the copy
// says so at once and changes nothing.
void QuoteFileLinuxTest::fileSystemWithoutLocksIsToldAtOnce() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize),
             std::nullopt);

    // As on a network file system without its lock service.
    const std::optional<QString> reason = reasonInChild(
        [] { return failSystemCalls({__NR_flock}, ENOLCK); },
        [&folder] { return appendHistory(folder.path(), historyRecord(examples::smithDesk())); });

    QVERIFY2(reason.has_value(), "no system-call filter can be set here");
    QVERIFY2(reason->contains(QDir::toNativeSeparators(path)), qPrintable(*reason));
    QVERIFY2(reason->contains(QString::fromLocal8Bit(std::strerror(ENOLCK))), qPrintable(*reason));
    QVERIFY2(!reason->contains(QLatin1String("another copy")), qPrintable(*reason));
    QCOMPARE(readFile(path), examples::smithDeskQuote());
}

QTEST_GUILESS_MAIN(QuoteFileLinuxTest)
#include "quote_file_linux_test.moc"
