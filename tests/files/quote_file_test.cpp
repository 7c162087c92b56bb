#include "quote_examples.h"
#include "quote_file.h"
#include "quote_report.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

namespace {

// A quote that does not look like the sample: other date, non-ASCII and very long names.
QByteArray unusualQuote() {
    QuoteReport report = examples::smithDesk();
    report.date = QStringLiteral("Friday the 15th of July 2005");
    report.product = QStringLiteral("Schreibtisch für Jürgen 🪑");
    report.client = QStringLiteral("x").repeated(10000);
    report.netGstOwing = QStringLiteral("-1.00");
    return quoteText(report).toUtf8();
}

// A quote whose client's name alone is `size` bytes long.
QByteArray longNamedQuote(qint64 size) {
    QuoteReport report = examples::smithDesk();
    report.client = QString(size, QLatin1Char('c'));
    return quoteText(report).toUtf8();
}

QByteArray withLine(const QByteArray &quote, int lineNumber, const QByteArray &line) {
    QList<QByteArray> lines = quote.split('\n');
    lines[lineNumber - 1] = line + '\r';
    return lines.join('\n');
}

} // namespace

class QuoteFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void replacedContent_data();
    void replacedContent();
    void quoteThenHistoryMakesOneFile();
    void historyCreatesMissingFile();
    void newQuoteKeepsHistory();
};

void QuoteFileTest::replacedContent_data() {
    QTest::addColumn<QByteArray>("oldContent");
    QTest::addColumn<QByteArray>("kept");

    const QByteArray quote = examples::smithDeskQuote();
    const QByteArray history = examples::smithDeskHistory();
    const QByteArray notes = "Quotes for the shop\r\n";
    // Every byte below 128, NUL and the control characters too: kept as it stands everywhere.
    QByteArray binary;
    for (int i = 0; i < 4096; ++i) {
        binary += char(i * 7 % 128);
    }
    // The program this one replaces wrote in the system's code page (1252 under Wine's C locale);
    // on Windows that history is kept in the UTF-8 of the rest of the file.
    const QByteArray ansiHistory =
        "\r\n\r\n15/07/2005    2:05:09 PM\r\nClient:       J\xfcrgen\r\n";
    const QByteArray keptAnsiHistory =
        QSysInfo::kernelType() == QLatin1String("winnt")
            ? QByteArray("\r\n\r\n15/07/2005    2:05:09 PM\r\nClient:       J\xc3\xbcrgen\r\n")
            : ansiHistory;

    QTest::newRow("no old file") << QByteArray() << QByteArray();
    QTest::newRow("empty old file") << QByteArray("") << QByteArray("");
    QTest::newRow("old quote alone") << quote << QByteArray();
    QTest::newRow("old quote with two records") << quote + history + history << history + history;
    QTest::newRow("old unusual quote with a record") << unusualQuote() + history << history;
    QTest::newRow("old quote of over 64 KB with a record")
        << longNamedQuote(100'000) + history << history;
    QTest::newRow("old quote longer than a quote is read, kept whole")
        << longNamedQuote(kMaxQuoteTextSize) + history
        << longNamedQuote(kMaxQuoteTextSize) + history;
    QTest::newRow("old quote with empty names")
        << withLine(withLine(quote, 3, "Product:      "), 4, "Client:       ") << QByteArray();
    QTest::newRow("records alone") << history + history << history + history;
    QTest::newRow("other text") << notes << notes;
    QTest::newRow("quote after other text") << notes + quote << notes + quote;
    QTest::newRow("quote cut short") << quote.chopped(2) << quote.chopped(2);
    QTest::newRow("quote of 29 lines")
        << quote.first(quote.lastIndexOf("Profit")) << quote.first(quote.lastIndexOf("Profit"));
    QTest::newRow("LF line ends") << QByteArray(quote).replace("\r\n", "\n")
                                  << QByteArray(quote).replace("\r\n", "\n");
    QTest::newRow("lone CR on a blank line")
        << withLine(quote, 2, "\r") + history << withLine(quote, 2, "\r") + history;
    QTest::newRow("blank line not blank") << withLine(quote, 21, " ") << withLine(quote, 21, " ");
    QTest::newRow("text after the heading") << withLine(quote, 22, "Activity Statement 2005")
                                            << withLine(quote, 22, "Activity Statement 2005");
    QTest::newRow("caption changed")
        << withLine(quote, 8, "GST paid      $10.00") << withLine(quote, 8, "GST paid      $10.00");
    QTest::newRow("amount without its $")
        << withLine(quote, 6, "Purchase Price GST Includedd              110.00")
        << withLine(quote, 6, "Purchase Price GST Includedd              110.00");
    QTest::newRow("old quote with a record in the system's code page")
        << quote + ansiHistory << keptAnsiHistory;
    QTest::newRow("binary") << binary << binary;
    QTest::newRow("quote then binary") << quote + binary << binary;
    QTest::newRow("huge without line ends") << QByteArray(8 << 20, 'x') << QByteArray(8 << 20, 'x');
    QTest::newRow("quote then huge record")
        << quote + QByteArray(8 << 20, '\r') << QByteArray(8 << 20, '\r');
}

void QuoteFileTest::replacedContent() {
    QFETCH(QByteArray, oldContent);
    QFETCH(QByteArray, kept);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath("quote.txt");
    if (!oldContent.isNull())
        QVERIFY(writeFile(path, oldContent));

    const QString newQuote = quoteText(examples::jonesChair());
    QCOMPARE(writeQuote(folder.path(), newQuote, leadingQuoteTextSize), std::nullopt);

    QCOMPARE(readFile(path), newQuote.toUtf8() + kept);
}

void QuoteFileTest::quoteThenHistoryMakesOneFile() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize),
             std::nullopt);
    QCOMPARE(readFile(folder.filePath("quote.txt")), examples::smithDeskQuote());
    QCOMPARE(appendHistory(folder.path(), historyRecord(examples::smithDesk())), std::nullopt);

    const QByteArray content = readFile(folder.filePath("quote.txt"));
    QCOMPARE(content, examples::smithDeskQuote() + examples::smithDeskHistory());
    QCOMPARE(content.size(), 1453);
}

void QuoteFileTest::historyCreatesMissingFile() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());

    QCOMPARE(appendHistory(folder.path(), historyRecord(examples::smithDesk())), std::nullopt);

    QCOMPARE(readFile(folder.filePath("quote.txt")), examples::smithDeskHistory());
}

void QuoteFileTest::newQuoteKeepsHistory() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString record = historyRecord(examples::smithDesk());
    QCOMPARE(writeQuote(folder.path(), quoteText(examples::smithDesk()), leadingQuoteTextSize),
             std::nullopt);
    QCOMPARE(appendHistory(folder.path(), record), std::nullopt);
    QCOMPARE(appendHistory(folder.path(), record), std::nullopt);

    const QString newQuote = quoteText(examples::jonesChair());
    QCOMPARE(writeQuote(folder.path(), newQuote, leadingQuoteTextSize), std::nullopt);
    QCOMPARE(writeQuote(folder.path(), newQuote, leadingQuoteTextSize), std::nullopt);

    QCOMPARE(readFile(folder.filePath("quote.txt")),
             newQuote.toUtf8() + examples::smithDeskHistory() + examples::smithDeskHistory());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"quote.txt"});
}

QTEST_GUILESS_MAIN(QuoteFileTest)
#include "quote_file_test.moc"
