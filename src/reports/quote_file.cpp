#include "quote_file.h"

#include "quote_report.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quillon {

namespace {

QString failure(const QString &what, const QString &path, const QString &cause) {
    return QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), cause);
}

// Only a regular file (or a link to one) is read or written: a folder, a device or a pipe of that
// name could block, never end or be replaced by the rename.
std::optional<QString> notRegularFile(const QString &what, const QString &path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return failure(what, path, QStringLiteral("it is not a regular file"));
    }
    return std::nullopt;
}

// Unbuffered writes only: a buffered device reports a failed write in a later flush, and
// QSaveFile::commit() then renames a half-written file all the same. A short write (a full disk)
// sets no error; writing the rest then fails and tells the cause.
bool writeAll(QFileDevice &file, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 count = file.write(bytes.data(), bytes.size());
        if (count <= 0) {
            return false;
        }
        bytes = bytes.sliced(count);
    }
    return true;
}

} // namespace

QString quoteFilePath(const QString &folder) {
    return QDir(folder).filePath(QString::fromLatin1(kQuoteFileName));
}

QByteArray replacedQuoteFileContent(const QString &newQuoteText, const QByteArray &oldContent) {
    return newQuoteText.toUtf8() + oldContent.sliced(leadingQuoteTextSize(oldContent));
}

std::optional<QString> writeQuote(const QString &folder, const QString &newQuoteText) {
    const QString what = QStringLiteral("Could not write the quote to");
    const QString path = quoteFilePath(folder);
    if (auto reason = notRegularFile(what, path)) {
        return reason;
    }

    // Its history records go into the new file, so an old file that cannot be read stops the
    // write rather than losing them.
    QByteArray oldContent;
    QFile oldFile(path);
    if (oldFile.exists()) {
        if (!oldFile.open(QIODevice::ReadOnly)) {
            return failure(QStringLiteral("Could not read"), path, oldFile.errorString());
        }
        oldContent = oldFile.readAll();
        if (oldFile.error() != QFileDevice::NoError) {
            return failure(QStringLiteral("Could not read"), path, oldFile.errorString());
        }
        oldFile.close();
    }

    const QByteArray content = replacedQuoteFileContent(newQuoteText, oldContent);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return failure(what, path, file.errorString());
    }
    if (!writeAll(file, content)) {
        return failure(what, path, file.errorString());
    }
    if (!file.commit()) {
        return failure(what, path, file.errorString());
    }
    return std::nullopt;
}

std::optional<QString> appendHistory(const QString &folder, const QString &record) {
    const QString what = QStringLiteral("Could not add the quote to");
    const QString path = quoteFilePath(folder);
    if (auto reason = notRegularFile(what, path)) {
        return reason;
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return failure(what, path, file.errorString());
    }
    const qint64 oldSize = file.size();
    if (writeAll(file, record.toUtf8())) {
        file.close();
        if (file.error() == QFileDevice::NoError) {
            return std::nullopt;
        }
    }

    // Part of the record may have reached the disk; cut it off so that the file holds whole
    // records only.
    const QString reason = failure(what, path, file.errorString());
    file.close();
    file.resize(oldSize);
    return reason;
}

} // namespace quillon
