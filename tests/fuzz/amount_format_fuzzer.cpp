// libFuzzer target for formatAmount over every Money count, in several locales. Beyond the
// sanitizers' checks the text must have the "##,##0.00" shape in the locale's separators and
// digits only, hold the count rounded to whole cents (halves away from zero), and read back
// through wholeTextNumber as that many cents.

#include "amount_format.h"
#include "fuzz_support.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

using namespace quillon;

namespace {

// The count in cents, rounded as a cashier would; worked out in signed arithmetic, unlike
// formatAmount's unsigned magnitude.
qint64 roundedCents(qint64 count) {
    const qint64 cents = count / 100;
    const qint64 remainder = count % 100;
    if (remainder >= 50)
        return cents + 1;
    if (remainder <= -50)
        return cents - 1;
    return cents;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const NumberLocale locale = fuzz::locale(input.byte());
    qint64 count = 0;
    const QByteArrayView bytes = input.bytes(sizeof count);
    std::memcpy(&count, bytes.data(), static_cast<std::size_t>(bytes.size()));
    const QString text = formatAmount(Money::fromCount(count), locale);
    // The shape and the figures are checked in ASCII digits, standing for the locale's own.
    QString ascii;
    for (const char32_t c : text.toUcs4()) {
        const bool digit = QChar::isDigit(c);
        fuzz::require(!digit || (c >= locale.zeroDigit && c <= locale.zeroDigit + 9),
                      "the locale's digits only", text);
        ascii += digit ? QString(QChar(char16_t(u'0' + QChar::digitValue(c))))
                       : QString::fromUcs4(&c, 1);
    }

    const QString group = QRegularExpression::escape(QString(locale.groupSeparator));
    const QString point = QRegularExpression::escape(QString(locale.decimalPoint));
    const QRegularExpression shape(
        QStringLiteral("^-?[0-9]{1,3}(%1[0-9]{3})*%2[0-9]{2}$").arg(group, point));
    fuzz::require(shape.match(ascii).hasMatch(), "the ##,##0.00 shape", text);
    fuzz::require(ascii.size() == 1 || ascii.at(0) != QLatin1Char('0') ||
                      ascii.at(1) == locale.decimalPoint,
                  "no leading zero", text);

    const qint64 cents = roundedCents(count);
    QString digits = ascii;
    digits.remove(locale.groupSeparator).remove(locale.decimalPoint);
    const qint64 magnitude = cents < 0 ? -cents : cents;
    const QString expected = (cents < 0 ? QStringLiteral("-") : QString()) +
                             QStringLiteral("%1").arg(magnitude, 3, 10, QLatin1Char('0'));
    fuzz::require(digits == expected, "the count rounded to whole cents",
                  text + QStringLiteral(" from ") + QString::number(count));

    const std::optional<double> readBack = wholeTextNumber(text, locale);
    fuzz::require(readBack.has_value(), "an amount reads back as a whole number", text);
    // Both sides round the same decimal digits once, so they agree exactly.
    const double expectedValue = expected.left(expected.size() - 2)
                                     .append(QLatin1Char('.'))
                                     .append(expected.right(2))
                                     .toDouble();
    fuzz::require(*readBack == expectedValue, "an amount reads back as its cents", text);
    return 0;
}
