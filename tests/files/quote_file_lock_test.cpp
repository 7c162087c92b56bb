// The quote file's lock between two running copies, each a process of its own, as the system
// sees them: this test and a second start of this test program that holds the lock.
#include "quote_file.h"
#include "quote_file_lock.h"
#include "test_files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <future>
#include <iostream>
#include <string>

using namespace quillon;

namespace {

constexpr char kHoldOption[] = "--hold-lock";

// The other copy: takes the lock of the quote file at `path`, says so, and keeps it until its
// input ends or it is killed.
int holdLock(const QString &path) {
    const QuoteFileLock lock(path);
    if (lock.error())
        return 1;
    std::puts("held");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

} // namespace

class QuoteFileLockTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void takesTurnsWithAnotherProcess();
};

void QuoteFileLockTest::takesTurnsWithAnotherProcess() {
    using namespace std::chrono_literals;
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = quoteFilePath(folder.path());
    QVERIFY(writeFile(path, "old\r\n"));
    const auto startHolder = [&path](QProcess &holder) {
        holder.start(QCoreApplication::applicationFilePath(), {kHoldOption, path});
        return holder.waitForReadyRead(30000) && holder.readLine().trimmed() == "held";
    };

    // A copy that does not get its turn in time changes nothing and says why.
    QProcess holder;
    QVERIFY(startHolder(holder));
    QElapsedTimer waited;
    waited.start();
    const std::optional<QString> refused = appendHistory(folder.path(), "record\r\n");
    QVERIFY(waited.elapsed() >= kQuoteFileLockWaitMs - 100);
    QVERIFY(refused.has_value());
    QVERIFY2(refused->contains(QLatin1String("another copy")), qPrintable(*refused));
    QCOMPARE(readFile(path), QByteArray("old\r\n"));

    // A copy that waits gets its turn as soon as the other one is done.
    auto saved = std::async(std::launch::async,
                            [&folder] { return appendHistory(folder.path(), "record\r\n"); });
    QCOMPARE(saved.wait_for(300ms), std::future_status::timeout);
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(30000));
    QCOMPARE(holder.exitCode(), 0);
    QCOMPARE(saved.get(), std::nullopt);
    QCOMPARE(readFile(path), QByteArray("old\r\nrecord\r\n"));

    // A copy that ended without letting go, as in a crash, holds no lock.
    QProcess crashed;
    QVERIFY(startHolder(crashed));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(30000));
    waited.restart();
    QCOMPARE(appendHistory(folder.path(), "again\r\n"), std::nullopt);
    QVERIFY(waited.elapsed() < kQuoteFileLockWaitMs);
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == kHoldOption)
        return holdLock(QString::fromLocal8Bit(argv[2]));
    QuoteFileLockTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "quote_file_lock_test.moc"
