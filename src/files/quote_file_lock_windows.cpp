#include "quote_file_lock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <windows.h>

#include <string>

namespace quillon {

namespace {

// Every copy opens the lock file shared. LockFileEx() works on a handle open for reading alone,
// so a lock file that another user made and this user may only read still gives this copy its
// turn. The file is made hidden: it stays in the quote folder, where it means nothing to a user.
HANDLE openLockFile(const std::wstring &path) {
    constexpr DWORD shared = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, shared, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ACCESS_DENIED)
        return handle;
    return CreateFileW(path.c_str(), GENERIC_READ, shared, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

// The lock is a LockFileEx() on the first byte of the lock file. The file stays when the holder
// is done: Windows keeps a removed file that is still open out of the way of anyone opening it
// anew until its last handle is closed, so removing it would make a copy that is only waiting for
// its turn look like one in a folder where no lock file can be made.
QuoteFileLock::QuoteFileLock(const QString &quoteFilePath)
    : m_lockPath(lockFilePath(quoteFilePath)) {
    const HANDLE handle = openLockFile(QDir::toNativeSeparators(m_lockPath).toStdWString());
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
        const DWORD cause = GetLastError();
        if (cause != ERROR_LOCK_VIOLATION) {
            // No waiting makes a lock possible where the system has none to give.
            m_error = cannotLockMessage(quoteFilePath, qt_error_string(int(cause)));
            CloseHandle(handle);
            return;
        }
        if (deadline.hasExpired()) {
            m_error = busyMessage(quoteFilePath);
            CloseHandle(handle);
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
