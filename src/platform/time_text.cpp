#include "time_text.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace quillon {

namespace {

// A piece of a date-time format: a run of one field letter, or literal text (unquoted).
struct Piece {
    bool field;
    QString text;
};

bool quoteAt(const QString &format, qsizetype i) {
    return i < format.size() && format.at(i) == QLatin1Char('\'');
}

QList<Piece> piecesOf(const QString &format) {
    QList<Piece> pieces;
    const auto addLiteral = [&pieces](QChar c) {
        if (pieces.isEmpty() || pieces.last().field)
            pieces.append({false, QString()});
        pieces.last().text += c;
    };
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // Quoted text up to the closing quote; two quotes stand for one.
            if (quoteAt(format, i + 1)) {
                addLiteral(c);
                ++i;
                continue;
            }
            for (++i; i < format.size(); ++i) {
                if (format.at(i) == QLatin1Char('\'')) {
                    if (!quoteAt(format, i + 1))
                        break;
                    ++i;
                }
                addLiteral(format.at(i));
            }
        } else if (c.isLetter() && c.unicode() < 128) {
            if (pieces.isEmpty() || !pieces.last().field || pieces.last().text.back() != c)
                pieces.append({true, QString()});
            pieces.last().text += c;
        } else {
            addLiteral(c);
        }
    }
    return pieces;
}

QString quoted(const QString &literal) {
    return QLatin1Char('\'') + QString(literal).replace(QLatin1Char('\''), QLatin1String("''")) +
           QLatin1Char('\'');
}

} // namespace

QString longTimeFormatWithoutZone(const QLocale &locale) {
    QString format = locale.timeFormat(QLocale::LongFormat);
    const QList<Piece> pieces = piecesOf(format);
    const bool twelveHours = std::any_of(pieces.cbegin(), pieces.cend(), [](const Piece &piece) {
        return piece.field && piece.text.front() == QLatin1Char('h');
    });
    bool changed = false;
    QList<Piece> kept;
    for (const Piece &piece : pieces) {
        const QChar letter = piece.field ? piece.text.front() : QChar();
        if (letter == QLatin1Char('t')) {
            changed = true;
            continue;
        }
        if (letter == QLatin1Char('B') || letter == QLatin1Char('b')) {
            changed = true;
            if (twelveHours)
                kept.append({true, QStringLiteral("AP")});
            continue;
        }
        if (!piece.field && !kept.isEmpty() && !kept.last().field)
            kept.last().text += piece.text;
        else
            kept.append(piece);
    }
    if (!changed)
        return format;

    // What framed or separated the removed fields: empty brackets, and blanks and commas left at
    // either end.
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|（\\s*）"));
    static const QRegularExpression leading(QStringLiteral("^[\\s,،，]+"));
    static const QRegularExpression trailing(QStringLiteral("[\\s,،，]+$"));
    for (Piece &piece : kept) {
        if (!piece.field)
            piece.text.remove(emptyBrackets);
    }
    if (!kept.isEmpty() && !kept.first().field)
        kept.first().text.remove(leading);
    if (!kept.isEmpty() && !kept.last().field)
        kept.last().text.remove(trailing);

    QString result;
    for (const Piece &piece : kept) {
        if (piece.field)
            result += piece.text;
        else if (!piece.text.isEmpty())
            result += quoted(piece.text);
    }
    return result;
}

QString longTimeText(const QLocale &locale, QTime time) {
    return locale.toString(time, longTimeFormatWithoutZone(locale));
}

} // namespace quillon
