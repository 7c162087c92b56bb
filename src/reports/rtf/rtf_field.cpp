#include "rtf_field.h"

#include <QList>

#include <utility>

namespace quillon {

namespace {

struct FieldWord {
    QString text;
    bool quoted = false; // a quoted word is an argument, never a switch
};

// The instruction's words; a quoted argument is one word without its quotes, in which a
// backslash takes the next character as it is.
QList<FieldWord> fieldWords(const QString &instruction) {
    QList<FieldWord> words;
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
            if (quoted || inWord)
                words.append({word, quoted});
            word.clear();
            inWord = false;
            quoted = !quoted;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words.append({word, false});
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord || quoted)
        words.append({word, quoted});
    return words;
}

} // namespace

QString hyperlinkTarget(const QString &instruction) {
    const QList<FieldWord> words = fieldWords(instruction);
    if (words.isEmpty() ||
        words.first().text.compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    QString address;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words[i].text;
        if (!words[i].quoted && word.startsWith(u'\\')) {
            // Switches with an argument: \l bookmark, \o tip, \t frame.
            if (word == QLatin1String("\\l") && i + 1 < words.size())
                bookmark = words[i + 1].text;
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
