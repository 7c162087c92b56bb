#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillon {

// One quote as the report window shows it: every caption that the quote file is written from.
// Amounts are already formatted ("110.00"); `markup` is the markup text ("10%").
struct QuoteReport {
    QString date;
    QString time;
    QString product;
    QString client;
    QString purchasePrice;
    QString gstPaid;
    QString purchaseExGst;
    QString markup;
    QString totalWithMarkup;
    QString customerGst;
    QString salesPrice;
    QString cashHeld;
    QString profit;
    QString gstToPay;
    QString gstToClaim;
    QString netGstOwing;

    friend bool operator==(const QuoteReport &, const QuoteReport &) = default;
};

// The 30-line quote text, every line ended by CR LF.
QString quoteText(const QuoteReport &report);

// The 14-line history record that Save to File appends, every line ended by CR LF.
QString historyRecord(const QuoteReport &report);

// The size in bytes of the quote text that `content` (UTF-8) begins with, 0 when it begins with
// none. A quote text is recognised by its shape: 30 lines each ended by CR LF, the blank lines
// blank, every fixed caption at its line with its zone steps (and "$"), and the heading line
// "Activity Statement" alone. The names, date, time and amounts may be any text without CR LF.
qsizetype leadingQuoteTextSize(QByteArrayView content);

} // namespace quillon
