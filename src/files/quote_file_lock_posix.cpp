#include "quote_file_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

// The lock is an flock() on the lock file. The holder removes the file when done, so a copy that
// got the lock on a file removed meanwhile tries again on the new one.
QuoteFileLock::QuoteFileLock(const QString &quoteFilePath)
    : m_lockPath(lockFilePath(quoteFilePath)) {
    const QByteArray lockPath = QFile::encodeName(m_lockPath);
    QDeadlineTimer deadline(kQuoteFileLockWaitMs);
    while (true) {
        const int handle = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        // A folder where no lock can be made is one where no other copy can replace the file
        // either; appending to a writable file there is still safe, and a replace fails by
        // itself.
        if (handle < 0)
            return;
        if (::flock(handle, LOCK_EX | LOCK_NB) == 0) {
            struct stat held {
            }, named{};
            if (::fstat(handle, &held) == 0 && ::stat(lockPath.constData(), &named) == 0 &&
                held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
                m_handle = handle;
                return;
            }
        } else if (deadline.hasExpired()) {
            ::close(handle);
            m_busy = busyMessage(quoteFilePath);
            return;
        } else {
            QThread::msleep(20);
        }
        ::close(handle);
    }
}

QuoteFileLock::~QuoteFileLock() {
    if (m_handle >= 0) {
        ::unlink(QFile::encodeName(m_lockPath).constData());
        ::close(int(m_handle));
    }
}

} // namespace quillon
