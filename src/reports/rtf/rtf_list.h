#pragma once

#include <QString>
#include <QVariant>

#include <array>

namespace quillon {

// One level of a list as RTF's list table defines it (\listlevel).
struct RtfListLevel {
    // \levelnfc: 0 decimal, 1 upper and 2 lower roman, 3 upper and 4 lower letter, 5 ordinal,
    // 22 decimal with a leading zero, 23 bullet, 255 no number. Others count as decimal.
    int format = 0;
    int start = 1; // \levelstartat
    // \leveltext: the label, with U+0000 to U+0008 standing for the numbers of levels 1 to 9.
    QString text;

    bool operator==(const RtfListLevel &) const = default;
};

// A list's nine levels. Levels a file does not define count from 1 in decimal, labelled with
// their own number and a full stop.
struct RtfListDefinition {
    static constexpr int levelCount = 9;
    std::array<RtfListLevel, levelCount> levels;

    RtfListDefinition();

    // As a value a QTextFormat property can hold, and back; a value that is not one gives the
    // default definition.
    QVariant toVariant() const;
    static RtfListDefinition fromVariant(const QVariant &value);

    // The label of an item at `level` (clamped to 0..8) whose levels' current numbers are
    // `numbers`: "2.", "iv)", "1.3", "•".
    QString label(int level, const std::array<int, levelCount> &numbers) const;

    bool operator==(const RtfListDefinition &) const = default;
};

// `number` written in a \levelnfc format: 4 -> "4", "IV", "iv", "D", "d", "4th", "04".
QString listNumberText(int number, int format);

} // namespace quillon
