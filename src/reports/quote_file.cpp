#include "quote_file.h"

#include "quote_report.h"
#include "safe_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

// Holds the quote file's lock while it lives, or tells why it could not be had. The lock is an
// flock() on a file beside the quote file: the system lets go of it when its holder ends, even in
// a crash, so no lock is ever left stale, and taking it writes nothing to the disk. The holder
// removes the file when done; a copy that got the lock on a file removed meanwhile tries again.
class QuoteFileTurn {
public:
    explicit QuoteFileTurn(const QString &path)
        : m_lockPath(QFile::encodeName(linkTarget(path) + QStringLiteral(".lock"))) {
        QDeadlineTimer deadline(kQuoteFileLockWaitMs);
        while (true) {
            m_handle = ::open(m_lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            // A folder where no lock can be made is one where no other copy can replace the file
            // either; appending to a writable file there is still safe, and a replace fails by
            // itself.
            if (m_handle < 0)
                return;
            if (::flock(m_handle, LOCK_EX | LOCK_NB) == 0) {
                struct stat held {
                }, named{};
                if (::fstat(m_handle, &held) == 0 && ::stat(m_lockPath.constData(), &named) == 0 &&
                    held.st_ino == named.st_ino && held.st_dev == named.st_dev)
                    return;
            } else if (deadline.hasExpired()) {
                ::close(m_handle);
                m_handle = -1;
                m_busy = QStringLiteral("%1 is in use by another copy of the program; nothing was "
                                        "changed. Try again in a moment.")
                             .arg(QDir::toNativeSeparators(path));
                return;
            } else {
                QThread::msleep(20);
            }
            ::close(m_handle);
        }
    }
    ~QuoteFileTurn() {
        if (m_handle >= 0) {
            ::unlink(m_lockPath.constData());
            ::close(m_handle);
        }
    }
    QuoteFileTurn(const QuoteFileTurn &) = delete;
    QuoteFileTurn &operator=(const QuoteFileTurn &) = delete;

    const std::optional<QString> &busy() const { return m_busy; }

private:
    QByteArray m_lockPath;
    int m_handle = -1;
    std::optional<QString> m_busy;
};

} // namespace

QString quoteFilePath(const QString &folder) {
    return QDir(folder).filePath(QString::fromLatin1(kQuoteFileName));
}

QByteArray replacedQuoteFileContent(const QString &newQuoteText, const QByteArray &oldContent) {
    return newQuoteText.toUtf8() + oldContent.sliced(leadingQuoteTextSize(oldContent));
}

std::optional<QString> writeQuote(const QString &folder, const QString &newQuoteText) {
    const QString path = quoteFilePath(folder);
    if (auto refused = refuseIrregularFile(path))
        return refused;
    const QuoteFileTurn turn(path);
    if (turn.busy())
        return turn.busy();

    // The history goes from the old file into the new one in the kernel, never through memory;
    // only the head of the old file, where its quote text is, is read. An old file that cannot
    // be read stops the write rather than losing its history.
    QFile oldFile(path);
    qint64 historyStart = 0;
    if (oldFile.exists()) {
        const auto cannotRead = [&oldFile, &path] {
            return QStringLiteral("Cannot read %1: %2")
                .arg(QDir::toNativeSeparators(path), oldFile.errorString());
        };
        if (!oldFile.open(QIODevice::ReadOnly))
            return cannotRead();
        // The first block holds the quote text unless its names are very long; a longer head is
        // read only then, or when the file holds no quote text at all.
        QByteArray head;
        for (qint64 wanted = qint64(64) * 1024;; wanted *= 2) {
            head += oldFile.read(wanted - head.size());
            if (oldFile.error() != QFileDevice::NoError)
                return cannotRead();
            historyStart = leadingQuoteTextSize(head);
            if (historyStart > 0 || oldFile.atEnd())
                break;
        }
    }

    const QByteArray quote = newQuoteText.toUtf8();
    return replaceFile(path, [&](QIODevice &device) {
        if (auto failed = writeWhole(device, quote))
            return failed;
        if (!oldFile.isOpen())
            return std::optional<QString>();
        return copyFileTail(oldFile, historyStart, device);
    });
}

std::optional<QString> appendHistory(const QString &folder, const QString &record) {
    const QString path = quoteFilePath(folder);
    const QuoteFileTurn turn(path);
    if (turn.busy())
        return turn.busy();
    return appendWhole(path, record.toUtf8());
}

} // namespace quillon
