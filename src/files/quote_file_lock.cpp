#include "quote_file_lock.h"

#include "safe_file.h"

#include <QDir>

namespace quillon {

QString QuoteFileLock::lockFilePath(const QString &quoteFilePath) {
    return linkTarget(quoteFilePath) + QStringLiteral(".lock");
}

QString QuoteFileLock::busyMessage(const QString &quoteFilePath) {
    return QStringLiteral("%1 is in use by another copy of the program; nothing was changed. "
                          "Try again in a moment.")
        .arg(QDir::toNativeSeparators(quoteFilePath));
}

QString QuoteFileLock::cannotLockMessage(const QString &quoteFilePath, const QString &cause) {
    return QStringLiteral("%1 cannot be locked against other copies of the program (%2); "
                          "nothing was changed.")
        .arg(QDir::toNativeSeparators(quoteFilePath), cause);
}

} // namespace quillon
