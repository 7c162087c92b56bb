#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace quillon {

// The separators and currency sign of the user's locale, as the number readings and the amount
// format use them. The readings also take what users type between thousands: a blank (plain,
// no-break or thin) wherever the decimal separator is no blank, and the ASCII apostrophe where the
// locale groups with a right single quotation mark.
struct NumberLocale {
    QChar decimalPoint = QLatin1Char('.');
    QChar groupSeparator = QLatin1Char(',');
    QString currencySymbol = QStringLiteral("$");

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

// The whole text as one number in the user's locale, or nothing. Surrounding blanks, a sign, one
// leading currency sign (the locale's or "$"), group separators in their proper places, the
// locale's decimal point and an exponent are accepted, and so are "&H" and "&O" integers; "nan",
// "inf" and hexadecimal floats are not. Groups are three digits after a first group of one to
// three. A number too large for a double gives infinity.
//
//   wholeTextNumber(u"1,100", english) == 1100, wholeTextNumber(u"12abc", english) == nothing
std::optional<double> wholeTextNumber(QStringView text, const NumberLocale &locale);

// How Calculate reads the price and the rate: the whole-text number when the text is one, else
// the leading number.
double priceOrRate(QStringView text, const NumberLocale &locale);

} // namespace quillon
