#pragma once

#include <QString>
#include <QStringList>
#include <QTextDocument>

#include <memory>
#include <optional>

namespace quillon {

// Files larger than this are refused rather than read into memory.
constexpr qint64 maxReportFileSize = qint64(64) * 1024 * 1024;

// A report file as read for the report area.
struct LoadedReport {
    // The content, without a parent; null on failure.
    std::unique_ptr<QTextDocument> document;
    // What the file holds that the document could not keep ("an embedded object", ...), each
    // kind once, in the order first met. Saving over the file loses it.
    QStringList lost;
    // Why the file could not be read, naming it.
    std::optional<QString> error;
};

// Reads the report file at `path`: RTF when it begins with {\rtf (after blanks), plain text in
// whichever encoding it was saved otherwise (decodeTextFile()). Only a regular file of at most
// maxReportFileSize bytes is read, so a pipe is refused rather than waited on.
LoadedReport loadReport(const QString &path);

} // namespace quillon
