#include "quote_file.h"

#include "quote_file_lock.h"
#include "quote_folder.h"
#include "quote_history.h"
#include "safe_file.h"

#include <QDir>
#include <QFile>

namespace quillon {

QString quoteFilePath(const QString &folder) {
    return QDir(folder).filePath(QString::fromLatin1(kQuoteFileName));
}

std::optional<QString> writeQuote(const QString &folder, const QString &newQuoteText,
                                  QuoteTextSize quoteTextSize) {
    if (!QDir::isAbsolutePath(folder))
        return noQuoteFolderText();
    const QString path = quoteFilePath(folder);
    if (auto refused = refuseIrregularFile(path))
        return refused;
    const QuoteFileLock lock(path);
    if (lock.error())
        return lock.error();

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
        // read only then, and never more than kMaxQuoteTextSize of a file that holds no quote
        // text at all.
        QByteArray head;
        for (qint64 wanted = qint64(64) * 1024;; wanted = qMin(2 * wanted, kMaxQuoteTextSize)) {
            head += oldFile.read(wanted - head.size());
            if (oldFile.error() != QFileDevice::NoError)
                return cannotRead();
            historyStart = quoteTextSize(head);
            if (historyStart > 0 || oldFile.atEnd() || head.size() >= kMaxQuoteTextSize)
                break;
        }
    }

    const QByteArray quote = newQuoteText.toUtf8();
    return replaceFile(path, [&](QIODevice &device) {
        if (auto failed = writeWhole(device, quote))
            return failed;
        if (!oldFile.isOpen())
            return std::optional<QString>();
        if (auto failed = copyHistory(oldFile, historyStart, device))
            return failed;
        // Windows will not put the new file in the place of one that is still open.
        oldFile.close();
        return std::optional<QString>();
    });
}

std::optional<QString> appendHistory(const QString &folder, const QString &record) {
    if (!QDir::isAbsolutePath(folder))
        return noQuoteFolderText();
    const QString path = quoteFilePath(folder);
    const QuoteFileLock lock(path);
    if (lock.error())
        return lock.error();
    return appendWhole(path, record.toUtf8());
}

} // namespace quillon
