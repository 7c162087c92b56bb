#include "rtf_list.h"

#include <QVariantList>

#include <algorithm>

namespace quillon {

namespace {

constexpr int bulletFormat = 23;
constexpr int noNumberFormat = 255;

QString roman(int number) {
    static const std::array<std::pair<int, const char *>, 13> numerals = {{{1000, "M"},
                                                                           {900, "CM"},
                                                                           {500, "D"},
                                                                           {400, "CD"},
                                                                           {100, "C"},
                                                                           {90, "XC"},
                                                                           {50, "L"},
                                                                           {40, "XL"},
                                                                           {10, "X"},
                                                                           {9, "IX"},
                                                                           {5, "V"},
                                                                           {4, "IV"},
                                                                           {1, "I"}}};
    // Word writes numbers past its numerals' reach in decimal.
    if (number <= 0 || number >= 4000)
        return QString::number(number);
    QString text;
    for (const auto &[value, numeral] : numerals) {
        for (; number >= value; number -= value)
            text += QLatin1String(numeral);
    }
    return text;
}

// A, B, ..., Z, AA, BB, ...: Word repeats the letter rather than counting in base 26.
QString letters(int number) {
    if (number <= 0 || number > 26 * 100)
        return QString::number(number);
    return QString((number - 1) / 26 + 1, QChar(u'A' + (number - 1) % 26));
}

QString ordinal(int number) {
    const int lastTwo = std::abs(number % 100);
    const int last = lastTwo % 10;
    const char *suffix = "th";
    if (lastTwo < 11 || lastTwo > 13)
        suffix = last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    return QString::number(number) + QLatin1String(suffix);
}

} // namespace

QString listNumberText(int number, int format) {
    switch (format) {
    case 1:
        return roman(number);
    case 2:
        return roman(number).toLower();
    case 3:
        return letters(number);
    case 4:
        return letters(number).toLower();
    case 5:
        return ordinal(number);
    case 22:
        return number >= 0 && number < 10 ? QStringLiteral("0%1").arg(number)
                                          : QString::number(number);
    case bulletFormat:
    case noNumberFormat:
        return {};
    default:
        return QString::number(number);
    }
}

RtfListDefinition::RtfListDefinition() {
    for (int level = 0; level < levelCount; ++level)
        levels[size_t(level)].text = QString(QChar(char16_t(level))) + u'.';
}

QVariant RtfListDefinition::toVariant() const {
    QVariantList list;
    for (const RtfListLevel &level : levels)
        list << QVariant(QVariantList{level.format, level.start, level.text});
    return list;
}

RtfListDefinition RtfListDefinition::fromVariant(const QVariant &value) {
    RtfListDefinition definition;
    const QVariantList list = value.toList();
    for (qsizetype i = 0; i < std::min<qsizetype>(list.size(), levelCount); ++i) {
        const QVariantList level = list[i].toList();
        if (level.size() == 3)
            definition.levels[size_t(i)] = {level[0].toInt(), level[1].toInt(),
                                            level[2].toString()};
    }
    return definition;
}

QString RtfListDefinition::label(int level, const std::array<int, levelCount> &numbers) const {
    const RtfListLevel &own = levels[size_t(std::clamp(level, 0, levelCount - 1))];
    // A bullet level's text is its bullet; one that asks for numbers or gives none shows the
    // common bullet, as Word and LibreOffice show it.
    if (own.format == bulletFormat &&
        (own.text.isEmpty() || std::any_of(own.text.begin(), own.text.end(),
                                           [](QChar c) { return c.unicode() < levelCount; })))
        return QString(QChar(0x2022));
    QString label;
    for (const QChar c : own.text) {
        if (c.unicode() < levelCount) {
            const size_t placeholder = c.unicode();
            label += listNumberText(numbers[placeholder], levels[placeholder].format);
        } else {
            label += c;
        }
    }
    return label;
}

} // namespace quillon
