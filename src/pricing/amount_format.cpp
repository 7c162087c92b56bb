#include "amount_format.h"

namespace quillon {

QString formatAmount(Money amount, const NumberLocale &locale) {
    // Work on the magnitude as an unsigned count so that the smallest amount has one too, and so
    // that rounding half a cent up the magnitude rounds away from zero for either sign.
    const quint64 magnitude = amount.count() < 0 ? quint64(0) - static_cast<quint64>(amount.count())
                                                 : static_cast<quint64>(amount.count());
    const quint64 cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    const QString whole = QString::number(cents / 100);

    QString text;
    if (amount.count() < 0 && cents != 0)
        text += QLatin1Char('-');
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += locale.groupSeparator;
        text += whole[i];
    }
    text += locale.decimalPoint;
    text += QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    return text;
}

} // namespace quillon
