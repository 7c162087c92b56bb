// libFuzzer target for wholeTextNumber in several locales. Beyond the sanitizers' checks: never
// NaN; a blank text is no number; and plain digits with the locale's decimal point read as strtod
// reads them.

#include "fuzz_support.h"

#include <QRegularExpression>

#include <cerrno>
#include <cmath>
#include <cstdlib>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const NumberLocale locale = fuzz::locale(input.byte());
    const QString text = QString::fromUtf8(input.rest());
    const std::optional<double> value = wholeTextNumber(text, locale);
    if (!value)
        return 0;
    fuzz::require(!std::isnan(*value), "wholeTextNumber never gives NaN", text);
    const QString trimmed = text.trimmed();
    fuzz::require(!trimmed.isEmpty(), "a blank text is no number", text);

    const QString point = QRegularExpression::escape(QString(locale.decimalPoint));
    const QRegularExpression plain(QStringLiteral("^-?[0-9]{1,20}(%1[0-9]{1,20})?$").arg(point));
    if (!plain.match(trimmed).hasMatch())
        return 0;
    QByteArray normal = trimmed.toLatin1();
    normal.replace(QString(locale.decimalPoint).toLatin1(), ".");
    errno = 0;
    const double expected = std::strtod(normal.constData(), nullptr);
    if (errno == ERANGE)
        return 0;
    fuzz::require(*value == expected, "plain digits read as strtod reads them",
                  text + QStringLiteral(" -> ") + QString::number(*value, 'g', 17));
    return 0;
}
