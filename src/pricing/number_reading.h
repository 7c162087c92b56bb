#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillon {

// The separators, grouping and currency of the user's locale, as the number readings and the
// amount format use them. The readings also take what users type between thousands: a blank
// (plain, no-break or thin) wherever the decimal separator is no blank, and the ASCII apostrophe
// where the locale groups with a right single quotation mark.
struct NumberLocale {
    QChar decimalPoint = QLatin1Char('.');
    QChar groupSeparator = QLatin1Char(',');
    // The zero of the digits the locale writes numbers in (Arabic-Indic under Egyptian Arabic);
    // the readings take the digits of every script.
    char32_t zeroDigit = U'0';
    // Without the direction marks some locales wrap around them.
    QString currencySymbol = QStringLiteral("$");
    QString currencyCode = QStringLiteral("USD");
    // The size of the groups before the last group of three: 2 where lakhs are grouped (en_IN
    // writes 1,00,000), else 3.
    int higherGroupSize = 3;

    static NumberLocale fromLocale(const QLocale &locale);
};

// Reads the number at the start of `text` and never fails. Blanks, tabs and line feeds anywhere
// are skipped; then an optional sign, digits with at most one "." and an optional exponent
// (E or D, optional sign, digits). Reading stops at the first character that does not fit; no
// digit gives 0. "&H" and "&O" introduce hexadecimal and octal integers (never negative).
// The digits are rounded once to the nearest double; a number too large for a double gives
// infinity, one too small gives 0.
//
//   leadingNumber(u"12abc") == 12, leadingNumber(u"2 200") == 2200, leadingNumber(u"$1") == 0
double leadingNumber(QStringView text);

// The whole text as one number in the user's locale, or nothing. Accepted: surrounding blanks, a
// sign, group separators in their proper places, the locale's decimal point, an exponent, and one
// mark before or after the number, with or without a blank: a currency sign (the locale's symbol
// or code, any code of three capitals, or a currency character with up to three letters before
// it, as "$", "A$" and "US$") or a percent sign; "&H" and "&O" integers too. Digits of any script
// count, and direction marks are ignored. Groups are three digits after a first group of one to
// three, or in the locale's own grouping (lakhs). "nan", "inf" and hexadecimal floats are no
// numbers. A number too large for a double gives infinity.
//
//   wholeTextNumber(u"1,100", english) == 1100, wholeTextNumber(u"12abc", english) == nothing
//   wholeTextNumber(u"1.234,50 €", german) == 1234.5, wholeTextNumber(u"12,5 %", german) == 12.5
std::optional<double> wholeTextNumber(QStringView text, const NumberLocale &locale);

// How Calculate reads a price or a rate.
struct AmountReading {
    enum class Kind {
        Number,     // `value` is the number the text shows
        NoNumber,   // the text does not begin with a number; `value` is 0
        Unreadable, // the text begins with digits that are no number in the locale's form
    };
    Kind kind = Kind::NoNumber;
    double value = 0.0;
};

// The whole-text number when the text is one. Otherwise the number the text begins with (after
// blanks, a sign and a currency sign), the rest ignored: in the locale's form when its digits and
// separators are one and no digit follows them after a separator or a blank ("1.234,50 kg" under
// German), else when they are plain digits with at most one "." as the leading-number reading
// takes them, blanks, tabs and line feeds skipped ("12.5" under German, "658\t593998.97"); any
// other digits and separators, another locale's included (English "1,00", Swiss "1,234.50"), are
// unreadable rather than read as a part of them. Groups never begin with 0 (German "0.500" is 0.5).
// A text that does not begin with a number is read by the leading-number reading ("&H10" too).
//
//   readAmount(u"12abc", english) == {Number, 12}, readAmount(u"abc", english) == {NoNumber, 0}
AmountReading readAmount(QStringView text, const NumberLocale &locale);

// The whole text as one number in a form readAmount takes, or nothing: the whole-text number, or
// plain digits with at most one "." (German "12.5"), with the sign and the mark before or after
// them that the whole-text number allows.
//
//   wholeAmount(u"12.5 %", german) == 12.5, wholeAmount(u"12,5 kg", german) == nothing
std::optional<double> wholeAmount(QStringView text, const NumberLocale &locale);

} // namespace quillon
