#include "quote_report.h"

#include "print_zone_line.h"

#include <QStringList>

#include <array>
#include <optional>

namespace quillon {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// One line after the date and time line: a caption, zone steps, an optional "$" and the value.
// A row without a value is its caption alone (an empty caption makes a blank line).
struct Row {
    const char16_t *caption;
    int zoneSteps;
    bool dollar;
    QString QuoteReport::*value;
};

constexpr Row kBlank{u"", 0, false, nullptr};

constexpr std::array<Row, 29> kQuoteRows{{
    kBlank,
    {u"Product:", 1, false, &QuoteReport::product},
    {u"Client:", 1, false, &QuoteReport::client},
    kBlank,
    {u"Purchase Price GST Includedd", 1, true, &QuoteReport::purchasePrice},
    kBlank,
    {u"GST Paid", 4, true, &QuoteReport::gstPaid},
    kBlank,
    {u"Purchase Price minus GST", 2, true, &QuoteReport::purchaseExGst},
    kBlank,
    {u"Markup Percentage", 3, false, &QuoteReport::markup},
    kBlank,
    {u"Total with Markup", 3, true, &QuoteReport::totalWithMarkup},
    kBlank,
    {u"Customers GST", 4, true, &QuoteReport::customerGst},
    kBlank,
    {u"Sales Price Including GST", 1, true, &QuoteReport::salesPrice},
    kBlank,
    {u"Cash held after sale", 3, true, &QuoteReport::cashHeld},
    kBlank,
    {u"Activity Statement", 0, false, nullptr},
    kBlank,
    {u"GST to be Paid", 3, true, &QuoteReport::gstToPay},
    kBlank,
    {u"GST to be Claimed", 3, true, &QuoteReport::gstToClaim},
    kBlank,
    {u"Net GST Owing", 4, true, &QuoteReport::netGstOwing},
    kBlank,
    {u"Profit after GST", 3, true, &QuoteReport::profit},
}};

// In the history record a zone step also follows the "$", so the amounts line up in a column.
constexpr std::array<Row, 11> kHistoryRows{{
    {u"Product:", 1, false, &QuoteReport::product},
    {u"Client:", 1, false, &QuoteReport::client},
    {u"Purchase Price GST Includedd", 1, true, &QuoteReport::purchasePrice},
    {u"GST Paid", 3, true, &QuoteReport::gstPaid},
    {u"Purchase Price minus GST", 2, true, &QuoteReport::purchaseExGst},
    {u"Markup Percentage", 3, false, &QuoteReport::markup},
    {u"Total with Markup", 2, true, &QuoteReport::totalWithMarkup},
    {u"Customers GST", 3, true, &QuoteReport::customerGst},
    {u"Sales Price Including GST", 1, true, &QuoteReport::salesPrice},
    {u"Cash held after sale", 2, true, &QuoteReport::cashHeld},
    {u"Profit after GST", 2, true, &QuoteReport::profit},
}};

// The part of a row's line that is the same for every report.
PrintZoneLine rowStart(const Row &row) {
    PrintZoneLine line;
    line.item(QString::fromUtf16(row.caption)).zoneStep(row.zoneSteps);
    if (row.dollar) {
        line.item(QStringLiteral("$"));
    }
    return line;
}

QString dateTimeLine(const QuoteReport &report) {
    return PrintZoneLine().item(report.date).zoneStep().item(report.time).text();
}

} // namespace

QString quoteText(const QuoteReport &report) {
    QString text = dateTimeLine(report) + kLineEnd;
    for (const Row &row : kQuoteRows) {
        PrintZoneLine line = rowStart(row);
        if (row.value) {
            line.item(report.*row.value);
        }
        text += line.text() + kLineEnd;
    }
    return text;
}

QString historyRecord(const QuoteReport &report) {
    QString text = kLineEnd + kLineEnd + dateTimeLine(report) + kLineEnd;
    for (const Row &row : kHistoryRows) {
        PrintZoneLine line = rowStart(row);
        if (row.dollar) {
            line.zoneStep();
        }
        text += line.item(report.*row.value).text() + kLineEnd;
    }
    return text;
}

qsizetype leadingQuoteTextSize(QByteArrayView content) {
    const QByteArrayView lineEnd("\r\n");
    qsizetype position = 0;
    const auto nextLine = [&]() -> std::optional<QByteArrayView> {
        const qsizetype end = content.indexOf(lineEnd, position);
        if (end < 0) {
            return std::nullopt;
        }
        const QByteArrayView line = content.sliced(position, end - position);
        position = end + lineEnd.size();
        return line;
    };

    // The zone step between date and time always writes at least one space.
    const auto first = nextLine();
    if (!first || !first->contains(' ')) {
        return 0;
    }
    for (const Row &row : kQuoteRows) {
        const auto line = nextLine();
        const QByteArray start = rowStart(row).text().toUtf8();
        if (!line || !line->startsWith(start) || (!row.value && line->size() != start.size())) {
            return 0;
        }
    }
    return position;
}

} // namespace quillon
