#include "quote_file.h"

#include "quote_report.h"
#include "safe_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace quillon {

namespace {

QString quoteFilePath(const QString &folder) {
    return QDir(folder).filePath(QString::fromLatin1(kQuoteFileName));
}

// Holds the quote file's lock while it lives, or tells why it could not be had.
class QuoteFileTurn {
public:
    explicit QuoteFileTurn(const QString &path)
        : m_lock(linkTarget(path) + QStringLiteral(".lock")) {
        if (m_lock.tryLock(kQuoteFileLockWaitMs))
            return;
        // A folder where no lock can be made is one where no other copy can replace the file
        // either; appending to a writable file there is still safe, and a replace fails by
        // itself.
        if (m_lock.error() == QLockFile::LockFailedError) {
            m_busy =
                QStringLiteral("%1 is in use by another copy of the program; nothing was changed. "
                               "Try again in a moment.")
                    .arg(QDir::toNativeSeparators(path));
        }
    }

    const std::optional<QString> &busy() const { return m_busy; }

private:
    QLockFile m_lock;
    std::optional<QString> m_busy;
};

} // namespace

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

    // The history goes from the old file into the new one straight from a mapping of the old
    // file: no copy of it is made in memory. An old file that cannot be read stops the write
    // rather than losing its history.
    QFile oldFile(path);
    QByteArrayView history;
    QByteArray readHistory;
    if (oldFile.exists()) {
        if (!oldFile.open(QIODevice::ReadOnly)) {
            return QStringLiteral("Cannot read %1: %2")
                .arg(QDir::toNativeSeparators(path), oldFile.errorString());
        }
        const qint64 size = oldFile.size();
        if (const uchar *mapped = size > 0 ? oldFile.map(0, size) : nullptr) {
            history = QByteArrayView(mapped, size);
        } else {
            readHistory = oldFile.readAll();
            if (oldFile.error() != QFileDevice::NoError) {
                return QStringLiteral("Cannot read %1: %2")
                    .arg(QDir::toNativeSeparators(path), oldFile.errorString());
            }
            history = readHistory;
        }
        history = history.sliced(leadingQuoteTextSize(history));
    }

    const QByteArray quote = newQuoteText.toUtf8();
    return replaceFile(path, [&quote, history](QIODevice &device) {
        if (auto failed = writeWhole(device, quote))
            return failed;
        return writeWhole(device, history);
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
