// libFuzzer target for leadingNumber. Beyond the sanitizers' checks: never NaN, and a plain
// decimal number (once blanks are dropped and a D exponent is written E) reads as strtod reads
// it, so the digits are rounded once and correctly.

#include "fuzz_support.h"

#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstdlib>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const QString text = QString::fromUtf8(input.rest());
    const double value = leadingNumber(text);
    fuzz::require(!std::isnan(value), "leadingNumber never gives NaN", text);

    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("[ \\t\\n]")));
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?[0-9]{0,25}(\\.[0-9]{0,25})?([EeDd][+-]?[0-9]{1,3})?$"));
    if (!decimal.match(plain).hasMatch())
        return 0;
    const QByteArray normal = plain.toLatin1().replace('D', 'E').replace('d', 'e');
    errno = 0;
    const double expected = std::strtod(normal.constData(), nullptr);
    // Out of range (or subnormal) for strtod: its rounding is not the one to compare with.
    if (errno == ERANGE || (expected != 0 && !std::isnormal(expected)))
        return 0;
    fuzz::require(value == expected, "a plain decimal number reads as strtod reads it",
                  text + QStringLiteral(" -> ") + QString::number(value, 'g', 17) +
                      QStringLiteral(", expected ") + QString::number(expected, 'g', 17));
    return 0;
}
