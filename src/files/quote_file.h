#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace quillon {

// The quote file holds one quote text followed by the history records appended to it.
inline constexpr char kQuoteFileName[] = "quote.txt";

// The path of the quote file in `folder`.
QString quoteFilePath(const QString &folder);

// The longest old quote text a new one replaces: a file whose head of this size holds no whole
// quote text (names pasted from a whole document, a file another program wrote) is kept whole
// as history, so that replacing the quote never holds more than this in memory.
inline constexpr qint64 kMaxQuoteTextSize = qint64(1) << 20;

// Both writers refuse a `folder` that is not an absolute path (the empty text of quoteFolder()).

// The size in bytes of the quote text that a file's content (UTF-8) begins with, 0 when it begins
// with none. The quote's format is the reports' business; this layer only asks.
using QuoteTextSize = qsizetype (*)(QByteArrayView content);

// Replaces the quote file in `folder` with `newQuoteText`, written in UTF-8, keeping its history
// records, which are copied from the old file into the new one: everything after its leading
// quote text as `quoteTextSize` measures it, or the whole old content when it does not begin with
// one (see copyHistory() for a history in the system's code page). The file is replaced safely
// (see replaceFile()), so a failure leaves the old file as it was. The reason on failure, nothing
// on success.
std::optional<QString> writeQuote(const QString &folder, const QString &newQuoteText,
                                  QuoteTextSize quoteTextSize);

// Appends `record` to the quote file in `folder`, creating the file when missing. The reason on
// failure (nothing was appended then), nothing on success.
std::optional<QString> appendHistory(const QString &folder, const QString &record);

} // namespace quillon
