#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quillon {

// The quote file holds one quote text followed by the history records appended to it.
inline constexpr char kQuoteFileName[] = "quote.txt";

// The path of the quote file in `folder`.
QString quoteFilePath(const QString &folder);

// The file's new content when a new quote text replaces the old one: the quote text followed by
// every history record the old content held (everything after its leading quote text, or the
// whole old content when it does not begin with one). Text is written in UTF-8.
QByteArray replacedQuoteFileContent(const QString &newQuoteText, const QByteArray &oldContent);

// Replaces the quote file in `folder` with `newQuoteText`, keeping its history records, which
// are copied from the old file into the new one as they stand. The file is replaced safely (see
// replaceFile()), so a failure leaves the old file as it was. The reason on failure, nothing on
// success.
std::optional<QString> writeQuote(const QString &folder, const QString &newQuoteText);

// Appends `record` to the quote file in `folder`, creating the file when missing. The reason on
// failure (nothing was appended then), nothing on success.
std::optional<QString> appendHistory(const QString &folder, const QString &record);

} // namespace quillon
