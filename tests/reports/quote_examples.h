#pragma once

#include "quote_report.h"

#include <QStringList>

// The sample quote: price 110 at 10 % GST with the 10 % markup, for Smith's desk, and the texts
// it gives, line by line as printed.
namespace quillon::examples {

inline QuoteReport smithDesk() {
    QuoteReport report;
    report.date = QStringLiteral("15/07/2005");
    report.time = QStringLiteral("2:05:09 PM");
    report.product = QStringLiteral("Desk");
    report.client = QStringLiteral("Smith");
    report.purchasePrice = QStringLiteral("110.00");
    report.gstPaid = QStringLiteral("10.00");
    report.purchaseExGst = QStringLiteral("100.00");
    report.markup = QStringLiteral("10%");
    report.totalWithMarkup = QStringLiteral("110.00");
    report.customerGst = QStringLiteral("11.00");
    report.salesPrice = QStringLiteral("121.00");
    report.cashHeld = QStringLiteral("11.00");
    report.profit = QStringLiteral("10.00");
    report.gstToPay = QStringLiteral("11.00");
    report.gstToClaim = QStringLiteral("10.00");
    report.netGstOwing = QStringLiteral("1.00");
    return report;
}

// The same quote for another client and product.
inline QuoteReport jonesChair() {
    QuoteReport report = smithDesk();
    report.client = QStringLiteral("Jones");
    report.product = QStringLiteral("Chair");
    return report;
}

inline QByteArray crLfLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8() + "\r\n";
    }
    return bytes;
}

inline QByteArray smithDeskQuote() {
    return crLfLines({
        "15/07/2005    2:05:09 PM",
        "",
        "Product:      Desk",
        "Client:       Smith",
        "",
        "Purchase Price GST Includedd              $110.00",
        "",
        "GST Paid                                                $10.00",
        "",
        "Purchase Price minus GST                  $100.00",
        "",
        "Markup Percentage                                       10%",
        "",
        "Total with Markup                                       $110.00",
        "",
        "Customers GST                                           $11.00",
        "",
        "Sales Price Including GST   $121.00",
        "",
        "Cash held after sale                                    $11.00",
        "",
        "Activity Statement",
        "",
        "GST to be Paid                                          $11.00",
        "",
        "GST to be Claimed                                       $10.00",
        "",
        "Net GST Owing                                           $1.00",
        "",
        "Profit after GST                                        $10.00",
    });
}

inline QByteArray smithDeskHistory() {
    return crLfLines({
        "",
        "",
        "15/07/2005    2:05:09 PM",
        "Product:      Desk",
        "Client:       Smith",
        "Purchase Price GST Includedd              $             110.00",
        "GST Paid                                  $             10.00",
        "Purchase Price minus GST                  $             100.00",
        "Markup Percentage                                       10%",
        "Total with Markup                         $             110.00",
        "Customers GST                             $             11.00",
        "Sales Price Including GST   $             121.00",
        "Cash held after sale                      $             11.00",
        "Profit after GST                          $             10.00",
    });
}

} // namespace quillon::examples
