#include "quote_file_lock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <windows.h>

namespace quillon {

// The lock is a LockFileEx() on the first byte of the lock file, which every copy opens shared.
// The file stays when the holder is done: Windows keeps a removed file that is still open in the
// way of anyone opening it anew until the last copy closes it, so removing it would turn a copy
// that is only waiting its turn into one that finds no lock file at all.
QuoteFileLock::QuoteFileLock(const QString &quoteFilePath)
    : m_lockPath(lockFilePath(quoteFilePath)) {
    const HANDLE handle = CreateFileW(QDir::toNativeSeparators(m_lockPath).toStdWString().c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A folder where no lock can be made is one where no other copy can replace the file either;
    // appending to a writable file there is still safe, and a replace fails by itself.
    if (handle == INVALID_HANDLE_VALUE)
        return;
    QDeadlineTimer deadline(kQuoteFileLockWaitMs);
    while (true) {
        OVERLAPPED firstByte{};
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                       &firstByte)) {
            m_handle = qintptr(handle);
            return;
        }
        if (deadline.hasExpired()) {
            CloseHandle(handle);
            m_busy = busyMessage(quoteFilePath);
            return;
        }
        QThread::msleep(20);
    }
}

// Closing the handle lets go of the lock.
QuoteFileLock::~QuoteFileLock() {
    if (m_handle != -1)
        CloseHandle(HANDLE(m_handle));
}

} // namespace quillon
