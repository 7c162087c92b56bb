#pragma once

#include <QString>

#include <optional>

namespace quillon {

// Two running copies take turns at the quote file through a lock on the file "quote.txt.lock"
// beside it, so that a record one copy appends is never lost to the other copy's replace. A copy
// waits this long for its turn and then gives up, changing nothing; a copy that crashed holds no
// lock.
inline constexpr int kQuoteFileLockWaitMs = 3000;

// Holds the quote file's lock while it lives, or tells why it could not be had. The system lets
// go of the lock when its holder ends, even in a crash, so no lock is ever left stale, and taking
// it writes nothing to the disk. The holder removes the lock file when done, where the system lets
// a waiting copy tell a removed lock file from a new one. A lock file that another user made is
// locked all the same when this user may read it. Every wait ends within kQuoteFileLockWaitMs.
//
//   const QuoteFileLock lock(quoteFilePath(folder));
//   if (lock.error())
//       return lock.error();
class QuoteFileLock {
public:
    explicit QuoteFileLock(const QString &quoteFilePath);
    ~QuoteFileLock();
    QuoteFileLock(const QuoteFileLock &) = delete;
    QuoteFileLock &operator=(const QuoteFileLock &) = delete;

    // The message for the user when another copy kept the lock for the whole wait, or when the
    // file system cannot lock at all (a network file system without a lock service); nothing
    // when the lock is held, or when no lock file can be made in the folder.
    const std::optional<QString> &error() const { return m_error; }

private:
    // The lock file of the quote file at `quoteFilePath`: beside the file a link leads to, so
    // that every copy that writes the same file takes the same lock.
    static QString lockFilePath(const QString &quoteFilePath);
    static QString busyMessage(const QString &quoteFilePath);
    static QString cannotLockMessage(const QString &quoteFilePath, const QString &cause);

    QString m_lockPath;
    // The system's handle of the open lock file; -1 while none is held.
    qintptr m_handle = -1;
    std::optional<QString> m_error;
};

} // namespace quillon
