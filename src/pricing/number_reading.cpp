#include "number_reading.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>

namespace quillon {

namespace {

// A decimal number as read from text, before any rounding: `digits` holds the digits without
// separators, the first `integerDigits` of them stand before the decimal point.
struct DecimalNumber {
    bool negative = false;
    std::string digits;
    qint64 integerDigits = 0;
    qint64 exponent = 0;
};

// Past this an exponent cannot be brought back into the range of a double by any number of
// digits a text can hold, so reading stops growing it instead of overflowing.
constexpr qint64 exponentCap = qint64(1) << 40;

constexpr double infinity = std::numeric_limits<double>::infinity();

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// What the leading-number reading skips wherever it stands.
bool isLeadingNumberBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

// The value of `number` rounded once, by from_chars, to the nearest double; inf beyond the
// range of doubles.
double toDouble(const DecimalNumber &number) {
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const auto last = number.digits.find_last_not_of('0');
    // The value is 0.d1d2... x 10^scale with d1 non-zero, so the scale alone tells when it
    // overflows or underflows, and from_chars never sees an exponent it could not hold.
    const qint64 scale = number.integerDigits - static_cast<qint64>(first) + number.exponent;
    double magnitude = 0.0;
    if (scale > std::numeric_limits<double>::max_exponent10 + 1) {
        magnitude = infinity;
    } else if (scale >= std::numeric_limits<double>::min_exponent10 - 20) {
        const std::string text =
            "0." + number.digits.substr(first, last - first + 1) + 'e' + std::to_string(scale);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                                  std::chars_format::scientific);
        if (error == std::errc::result_out_of_range)
            magnitude = scale > 0 ? infinity : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

int radixDigitValue(QChar c, int radix) {
    const char16_t u = c.toLower().unicode();
    int value = radix;
    if (u >= '0' && u <= '9')
        value = u - '0';
    else if (u >= 'a' && u <= 'f')
        value = u - 'a' + 10;
    return value < radix ? value : -1;
}

// Octal digits regrouped into hexadecimal ones, so that from_chars can round the value once.
std::string octalAsHex(std::string_view octal) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string hex((octal.size() * 3 + 3) / 4, '0');
    auto out = hex.size();
    unsigned bits = 0;
    int bitCount = 0;
    for (auto it = octal.rbegin(); it != octal.rend(); ++it) {
        bits |= static_cast<unsigned>(*it - '0') << bitCount;
        bitCount += 3;
        while (bitCount >= 4) {
            hex[--out] = hexDigits[bits & 0xF];
            bits >>= 4;
            bitCount -= 4;
        }
    }
    if (bitCount > 0)
        hex[--out] = hexDigits[bits];
    return hex;
}

// An integer given by hexadecimal or octal digits, rounded once to the nearest double.
double radixIntegerToDouble(const std::string &digits, int radix) {
    const std::string hex = radix == 16 ? digits : octalAsHex(digits);
    const auto first = hex.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    // Each hexadecimal digit holds four bits; a double stops at 2^1024.
    if (hex.size() - first > 256)
        return infinity;
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(hex.data() + first, hex.data() + hex.size(), value, std::chars_format::hex);
    return error == std::errc::result_out_of_range ? infinity : value;
}

// Walks a text the way the leading-number reading sees it: blanks, tabs and line feeds do not
// exist for it.
class BlindToBlanks {
public:
    explicit BlindToBlanks(QStringView text)
        : m_text(text) {
        skipBlanks();
    }

    QChar current() const { return m_position < m_text.size() ? m_text[m_position] : QChar(); }
    void advance() {
        ++m_position;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (m_position < m_text.size() && isLeadingNumberBlank(m_text[m_position]))
            ++m_position;
    }

    QStringView m_text;
    qsizetype m_position = 0;
};

template <typename Cursor> bool readSign(Cursor &cursor, bool &negative) {
    if (cursor.current() != QLatin1Char('+') && cursor.current() != QLatin1Char('-'))
        return false;
    negative = cursor.current() == QLatin1Char('-');
    cursor.advance();
    return true;
}

template <typename Cursor> void readDigits(Cursor &cursor, std::string &digits) {
    while (isAsciiDigit(cursor.current())) {
        digits += static_cast<char>(cursor.current().unicode());
        cursor.advance();
    }
}

// The sign and digits after an exponent marker; false when no digit follows.
template <typename Cursor> bool readExponent(Cursor &cursor, qint64 &exponent) {
    bool negative = false;
    readSign(cursor, negative);
    const bool sawDigit = isAsciiDigit(cursor.current());
    while (isAsciiDigit(cursor.current())) {
        exponent = std::min(exponent * 10 + (cursor.current().unicode() - '0'), exponentCap);
        cursor.advance();
    }
    if (negative)
        exponent = -exponent;
    return sawDigit;
}

// "&H" or "&O" and the digits after it, or nothing without a digit; the cursor stands on the
// ampersand.
template <typename Cursor> std::optional<double> readRadixInteger(Cursor &cursor) {
    cursor.advance();
    const QChar kind = cursor.current().toUpper();
    const int radix = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
    if (radix == 0)
        return std::nullopt;
    cursor.advance();
    std::string digits;
    while (radixDigitValue(cursor.current(), radix) >= 0) {
        digits += static_cast<char>(cursor.current().toLower().unicode());
        cursor.advance();
    }
    if (digits.empty())
        return std::nullopt;
    return radixIntegerToDouble(digits, radix);
}

// A plain index over the text, for the whole-text reading, which allows nothing to be skipped.
class Plain {
public:
    explicit Plain(QStringView text)
        : m_text(text) {}

    QChar current() const { return at(m_position); }
    QChar following() const { return at(m_position + 1); }
    QChar at(qsizetype position) const {
        return position < m_text.size() ? m_text[position] : QChar();
    }
    qsizetype position() const { return m_position; }
    void advance() { ++m_position; }
    void skipSpaces() {
        while (current().isSpace())
            advance();
    }
    bool startsWith(QStringView prefix) const {
        return !prefix.isEmpty() &&
               m_text.sliced(m_position).startsWith(prefix, Qt::CaseInsensitive);
    }
    bool skip(QStringView prefix) {
        if (!startsWith(prefix))
            return false;
        m_position += prefix.size();
        return true;
    }
    bool atEnd() const { return m_position == m_text.size(); }

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

// A plain, no-break, narrow no-break or thin space.
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009);
}

// The marks some locales put around signs, percent signs and currency symbols to keep their
// direction; they are not seen.
bool isDirectionMark(char32_t c) {
    return c == 0x200E || c == 0x200F || c == 0x061C || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// The text with the digits of every script as ASCII digits, the minus sign as "-", the Arabic
// percent sign as "%" and without direction marks, so that one reading serves every locale. An
// ASCII text is that already and is not copied; any other is written into `plain`.
QStringView plainForm(QStringView text, QString &plain) {
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text;
    plain.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (isDirectionMark(c))
            continue;
        if (QChar::isDigit(c))
            plain += QChar(char16_t(u'0' + QChar::digitValue(c)));
        else if (c == 0x2212)
            plain += QLatin1Char('-');
        else if (c == 0x066A)
            plain += QLatin1Char('%');
        else
            plain += QString::fromUcs4(&c, 1);
    }
    return plain;
}

QString plainForm(const QString &text) {
    QString plain;
    return plainForm(text, plain).toString();
}

// Besides the locale's own separator, what people type between thousands: a blank, as many write
// it, in every locale whose decimal separator is no blank, and the keyboard's apostrophe where the
// locale groups with a right single quotation mark (Swiss German).
bool isGroupSeparator(QChar c, const NumberLocale &locale) {
    if (c == locale.groupSeparator)
        return true;
    if (isBlank(c))
        return !isBlank(locale.decimalPoint);
    return c == QLatin1Char('\'') && locale.groupSeparator == QChar(0x2019);
}

// A currency sign at the cursor, skipped: the locale's symbol or code, three capitals of another
// code, or a currency character with up to three letters before it ("A$", "US$").
bool skipCurrency(Plain &cursor, const NumberLocale &locale) {
    // The longer of symbol and code, as a symbol may begin a code ("S" and "SOS").
    const QString &first = locale.currencySymbol.size() >= locale.currencyCode.size()
                               ? locale.currencySymbol
                               : locale.currencyCode;
    const QString &second =
        &first == &locale.currencySymbol ? locale.currencyCode : locale.currencySymbol;
    if (cursor.skip(first) || cursor.skip(second))
        return true;
    const auto isLetter = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    };
    const auto isCapital = [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); };
    const qsizetype start = cursor.position();
    qsizetype letters = 0;
    while (letters < 3 && isLetter(cursor.at(start + letters)))
        ++letters;
    const QChar after = cursor.at(start + letters);
    qsizetype length = 0;
    if (after.category() == QChar::Symbol_Currency)
        length = letters + 1;
    else if (letters == 3 && isCapital(cursor.at(start)) && isCapital(cursor.at(start + 1)) &&
             isCapital(cursor.at(start + 2)) && !isLetter(after))
        length = 3;
    for (qsizetype i = 0; i < length; ++i)
        cursor.advance();
    return length > 0;
}

// A currency sign or a percent sign at the cursor, skipped.
bool skipMark(Plain &cursor, const NumberLocale &locale) {
    return cursor.skip(u"%") || skipCurrency(cursor, locale);
}

// What may stand before the digits: blanks, a sign, then a mark and blanks, then a sign if none
// came first. True when a mark was read.
bool readNumberStart(Plain &cursor, const NumberLocale &locale, bool &negative) {
    cursor.skipSpaces();
    const bool signFirst = readSign(cursor, negative);
    if (!skipMark(cursor, locale))
        return false;
    cursor.skipSpaces();
    if (!signFirst)
        readSign(cursor, negative);
    return true;
}

// An exponent marker followed by digits, with or without a sign; "D" is one only for the
// leading-number reading.
bool exponentAhead(const Plain &cursor, bool dToo) {
    const QChar marker = cursor.current().toUpper();
    if (marker != QLatin1Char('E') && !(dToo && marker == QLatin1Char('D')))
        return false;
    const QChar next = cursor.following();
    const bool hasSign = next == QLatin1Char('+') || next == QLatin1Char('-');
    return isAsciiDigit(hasSign ? cursor.at(cursor.position() + 2) : next);
}

// Integer digits, either ungrouped, or in groups of three after a first group of one to three,
// or grouped as the locale groups higher digits (lakhs) with a last group of three.
bool readGroupedDigits(Plain &cursor, const NumberLocale &locale, DecimalNumber &number) {
    qsizetype run = 0;
    qsizetype firstGroup = 0;
    int separators = 0;
    bool middleInThrees = true;
    bool middleInLocaleGroups = true;
    while (true) {
        const QChar c = cursor.current();
        if (isAsciiDigit(c)) {
            number.digits += static_cast<char>(c.unicode());
            ++run;
        } else if (!c.isNull() && isGroupSeparator(c, locale) && isAsciiDigit(cursor.following()) &&
                   run > 0) {
            if (separators++ == 0) {
                firstGroup = run;
            } else {
                middleInThrees = middleInThrees && run == 3;
                middleInLocaleGroups = middleInLocaleGroups && run == locale.higherGroupSize;
            }
            run = 0;
        } else {
            break;
        }
        cursor.advance();
    }
    number.integerDigits = static_cast<qint64>(number.digits.size());
    if (separators == 0)
        return true;
    // Nobody groups a number that begins with 0: German "0.500" is no 500.
    return number.digits.front() != '0' && run == 3 &&
           ((middleInThrees && firstGroup <= 3) ||
            (middleInLocaleGroups && firstGroup <= locale.higherGroupSize));
}

// A number in the locale's form at the cursor, with a mark before or after it; the cursor stops
// behind it (blanks after it are left unless a mark follows them).
std::optional<double> readLocaleNumber(Plain &cursor, const NumberLocale &locale) {
    cursor.skipSpaces();
    if (cursor.current() == QLatin1Char('&'))
        return readRadixInteger(cursor);
    DecimalNumber number;
    const bool markFirst = readNumberStart(cursor, locale, number.negative);
    if (!readGroupedDigits(cursor, locale, number))
        return std::nullopt;
    if (cursor.current() == locale.decimalPoint) {
        cursor.advance();
        readDigits(cursor, number.digits);
    }
    if (number.digits.empty())
        return std::nullopt;
    if (exponentAhead(cursor, false)) {
        cursor.advance();
        readExponent(cursor, number.exponent);
    }
    if (!markFirst) {
        Plain mark = cursor;
        mark.skipSpaces();
        if (skipMark(mark, locale))
            cursor = mark;
    }
    return toDouble(number);
}

// A separator of this locale or of another one, as a number pasted from elsewhere may hold.
bool isAnySeparator(QChar c, const NumberLocale &locale) {
    static constexpr std::array<char16_t, 6> separators = {u'.',   u',',   u'\'',
                                                           0x2019, 0x066B, 0x066C};
    return c == locale.decimalPoint || isGroupSeparator(c, locale) || isBlank(c) ||
           std::find(separators.begin(), separators.end(), c.unicode()) != separators.end();
}

// Whether the character at the cursor would carry on the digits before it: a digit, an exponent,
// any separator before a digit, or blanks the leading-number reading skips before a digit, so that
// a number is never cut short where it goes on in another form.
bool continuesNumber(const Plain &cursor, const NumberLocale &locale) {
    const QChar c = cursor.current();
    if (isAsciiDigit(c) || exponentAhead(cursor, true))
        return true;
    if (isLeadingNumberBlank(c)) {
        qsizetype next = cursor.position();
        while (isLeadingNumberBlank(cursor.at(next)))
            ++next;
        return isAsciiDigit(cursor.at(next));
    }
    return !c.isNull() && isAnySeparator(c, locale) && isAsciiDigit(cursor.following());
}

// The digits and separators at the cursor, as far as they carry on a number.
struct DigitRun {
    qsizetype start = 0;
    qsizetype end = 0;
    bool sawDigit = false;
    // Only digits, blanks the leading-number reading skips, at most one "." and an exponent.
    bool plain = true;
};

DigitRun scanDigitRun(Plain &cursor, const NumberLocale &locale) {
    DigitRun run;
    run.start = cursor.position();
    int points = 0;
    while (continuesNumber(cursor, locale)) {
        const QChar c = cursor.current();
        if (exponentAhead(cursor, true)) {
            cursor.advance();
            qint64 ignored = 0;
            readExponent(cursor, ignored);
            break;
        }
        run.sawDigit = run.sawDigit || isAsciiDigit(c);
        if (c == QLatin1Char('.'))
            ++points;
        else if (!isAsciiDigit(c) && !isLeadingNumberBlank(c))
            run.plain = false;
        cursor.advance();
    }
    run.plain = run.plain && points <= 1;
    run.end = cursor.position();
    return run;
}

// The digits and separators a text begins with, when they are no number in the locale's form:
// as the leading-number reading takes them if they are plain digits, blanks and at most one ".",
// else unreadable.
AmountReading readDigitsAndSeparators(QStringView text, QStringView plain,
                                      const NumberLocale &locale) {
    Plain cursor(plain);
    bool negative = false;
    readNumberStart(cursor, locale, negative);
    const DigitRun run = scanDigitRun(cursor, locale);
    if (!run.sawDigit) {
        const double value = leadingNumber(text);
        return {value == 0 ? AmountReading::Kind::NoNumber : AmountReading::Kind::Number, value};
    }
    if (!run.plain)
        return {AmountReading::Kind::Unreadable, 0.0};
    const double value = leadingNumber(plain.sliced(run.start, run.end - run.start));
    return {AmountReading::Kind::Number, negative ? -value : value};
}

} // namespace

NumberLocale NumberLocale::fromLocale(const QLocale &locale) {
    NumberLocale result;
    const QString point = locale.decimalPoint();
    if (!point.isEmpty())
        result.decimalPoint = point.front();
    const QString group = locale.groupSeparator();
    if (!group.isEmpty())
        result.groupSeparator = group.front();
    if (const QList<uint> zero = locale.zeroDigit().toUcs4(); !zero.isEmpty())
        result.zeroDigit = zero.front();
    result.currencySymbol = plainForm(locale.currencySymbol());
    result.currencyCode = locale.currencySymbol(QLocale::CurrencyIsoCode);
    // The toolkit tells its grouping only by writing a number: the group before the last.
    const QStringList groups =
        plainForm(locale.toString(qlonglong(1234567890))).split(result.groupSeparator);
    if (groups.size() >= 3)
        result.higherGroupSize = static_cast<int>(groups.at(groups.size() - 2).size());
    return result;
}

double leadingNumber(QStringView text) {
    BlindToBlanks cursor(text);
    if (cursor.current() == QLatin1Char('&'))
        return readRadixInteger(cursor).value_or(0.0);
    DecimalNumber number;
    readSign(cursor, number.negative);
    readDigits(cursor, number.digits);
    number.integerDigits = static_cast<qint64>(number.digits.size());
    if (cursor.current() == QLatin1Char('.')) {
        cursor.advance();
        readDigits(cursor, number.digits);
    }
    const QChar marker = cursor.current().toUpper();
    if (!number.digits.empty() && (marker == QLatin1Char('E') || marker == QLatin1Char('D'))) {
        cursor.advance();
        readExponent(cursor, number.exponent);
    }
    return toDouble(number);
}

std::optional<double> wholeTextNumber(QStringView text, const NumberLocale &locale) {
    QString converted;
    const QStringView plain = plainForm(text, converted);
    Plain cursor(plain);
    const std::optional<double> value = readLocaleNumber(cursor, locale);
    cursor.skipSpaces();
    if (!value || !cursor.atEnd())
        return std::nullopt;
    return value;
}

std::optional<double> wholeAmount(QStringView text, const NumberLocale &locale) {
    if (const std::optional<double> value = wholeTextNumber(text, locale))
        return value;
    QString converted;
    const QStringView plain = plainForm(text, converted);
    Plain cursor(plain);
    bool negative = false;
    const bool markFirst = readNumberStart(cursor, locale, negative);
    const DigitRun run = scanDigitRun(cursor, locale);
    if (!run.sawDigit || !run.plain)
        return std::nullopt;
    cursor.skipSpaces();
    if (!markFirst && skipMark(cursor, locale))
        cursor.skipSpaces();
    if (!cursor.atEnd())
        return std::nullopt;
    const double value = leadingNumber(plain.sliced(run.start, run.end - run.start));
    return negative ? -value : value;
}

AmountReading readAmount(QStringView text, const NumberLocale &locale) {
    QString converted;
    const QStringView plain = plainForm(text, converted);
    Plain cursor(plain);
    if (const std::optional<double> value = readLocaleNumber(cursor, locale);
        value && !continuesNumber(cursor, locale))
        return {AmountReading::Kind::Number, *value};
    return readDigitsAndSeparators(text, plain, locale);
}

} // namespace quillon
