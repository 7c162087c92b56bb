#include "quote_samples.h"

#include "quote_file.h"

#include <QDir>
#include <QFile>

namespace quillon {

QuoteReport sampleReport() {
    QuoteReport report;
    report.date = QStringLiteral("15/07/2005");
    report.time = QStringLiteral("2:05:09 PM");
    report.product = QStringLiteral("Cordless drill 18 V");
    report.client = QStringLiteral("Harbour Street Hardware");
    report.purchasePrice = QStringLiteral("1,402.91");
    report.gstPaid = QStringLiteral("127.54");
    report.purchaseExGst = QStringLiteral("1,275.37");
    report.markup = QStringLiteral("25%");
    report.totalWithMarkup = QStringLiteral("1,594.21");
    report.customerGst = QStringLiteral("159.42");
    report.salesPrice = QStringLiteral("1,753.63");
    report.cashHeld = QStringLiteral("1,626.09");
    report.profit = QStringLiteral("318.84");
    report.gstToPay = QStringLiteral("159.42");
    report.gstToClaim = QStringLiteral("127.54");
    report.netGstOwing = QStringLiteral("31.88");
    return report;
}

bool writeSampleQuoteFile(const QString &folder, qsizetype records) {
    const QuoteReport report = sampleReport();
    QByteArray content = quoteText(report).toUtf8();
    const QByteArray record = historyRecord(report).toUtf8();
    content.reserve(content.size() + records * record.size());
    for (qsizetype i = 0; i < records; ++i)
        content += record;
    QFile file(QDir(folder).filePath(QString::fromLatin1(kQuoteFileName)));
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace quillon
