#include "quote_file_lock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quillon {

namespace {

// flock() works on a descriptor open for reading alone, so a lock file that another user made
// and this user may only read still gives this copy its turn.
int openLockFile(const QByteArray &path) {
    const int handle = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (handle >= 0 || errno != EACCES)
        return handle;
    return ::open(path.constData(), O_RDONLY | O_CLOEXEC);
}

bool namesTheSameFile(int handle, const QByteArray &path) {
    struct stat held {
    }, named{};
    return ::fstat(handle, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
           held.st_ino == named.st_ino && held.st_dev == named.st_dev;
}

} // namespace

// The lock is an flock() on the lock file. The holder removes the file when done, so a copy that
// got the lock on a file removed meanwhile tries again on the new one.
QuoteFileLock::QuoteFileLock(const QString &quoteFilePath)
    : m_lockPath(lockFilePath(quoteFilePath)) {
    const QByteArray lockPath = QFile::encodeName(m_lockPath);
    QDeadlineTimer deadline(kQuoteFileLockWaitMs);
    while (true) {
        const int handle = openLockFile(lockPath);
        // A folder where no lock can be made is one where no other copy can replace the file
        // either; appending to a writable file there is still safe, and a replace fails by
        // itself.
        if (handle < 0)
            return;
        if (::flock(handle, LOCK_EX | LOCK_NB) == 0) {
            if (namesTheSameFile(handle, lockPath)) {
                m_handle = handle;
                return;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            // No waiting makes a lock possible where the system has none to give.
            m_error = cannotLockMessage(quoteFilePath, qt_error_string(errno));
            ::close(handle);
            return;
        }
        ::close(handle);
        if (deadline.hasExpired()) {
            m_error = busyMessage(quoteFilePath);
            return;
        }
        QThread::msleep(20);
    }
}

QuoteFileLock::~QuoteFileLock() {
    if (m_handle >= 0) {
        ::unlink(QFile::encodeName(m_lockPath).constData());
        ::close(int(m_handle));
    }
}

} // namespace quillon
