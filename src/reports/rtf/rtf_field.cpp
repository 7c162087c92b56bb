#include "rtf_field.h"

#include <QStringList>

#include <utility>

namespace quillon {

namespace {

// The instruction's words; a quoted argument is one word without its quotes, in which a
// backslash takes the next character as it is.
QStringList fieldWords(const QString &instruction) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    bool escaped = false;
    for (const QChar c : instruction) {
        if (quoted && !escaped && c == u'\\') {
            escaped = true; // field codes double the backslashes of paths
            continue;
        }
        if (std::exchange(escaped, false)) {
            word += c;
        } else if (c == u'"') {
            if (quoted)
                words << word;
            else if (inWord)
                words << word;
            word.clear();
            inWord = false;
            quoted = !quoted;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord || quoted)
        words << word;
    return words;
}

} // namespace

QString hyperlinkTarget(const QString &instruction) {
    const QStringList words = fieldWords(instruction);
    if (words.isEmpty() || words.first().compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    QString address;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i];
        if (word.startsWith(u'\\')) {
            // Switches with an argument: \l bookmark, \o tip, \t frame.
            if (word == QLatin1String("\\l") && i + 1 < words.size())
                bookmark = words[i + 1];
            if (word == QLatin1String("\\l") || word == QLatin1String("\\o") ||
                word == QLatin1String("\\t"))
                ++i;
        } else if (address.isEmpty()) {
            address = word;
        }
    }
    return bookmark.isEmpty() ? address : address + u'#' + bookmark;
}

} // namespace quillon
