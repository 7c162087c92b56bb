// libFuzzer target for replacedQuoteFileContent over arbitrary existing file contents and quote
// captions. Beyond the sanitizers' checks: the new content begins with the new quote text; what
// follows is the end of the old content (nothing invented, nothing reordered); an old file that
// begins with a quote keeps everything after that quote; and a second replacement keeps exactly
// the history the first one kept.

#include "fuzz_support.h"
#include "quote_file.h"
#include "quote_report.h"

using namespace quillon;

namespace {

// Captions may hold any text but a line end, which the quote text could not be told apart by.
QString caption(fuzz::Input &input) {
    return input.text().remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
}

QuoteReport takeReport(fuzz::Input &input) {
    QuoteReport report;
    for (QString *field : {&report.date, &report.time, &report.product, &report.client,
                           &report.purchasePrice, &report.markup, &report.netGstOwing})
        *field = caption(input);
    return report;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const bool oldStartsWithQuote = input.byte() & 1;
    const QString newQuote = quoteText(takeReport(input));
    const QByteArray oldQuote =
        oldStartsWithQuote ? quoteText(takeReport(input)).toUtf8() : QByteArray();
    const QByteArray oldTail = input.rest().toByteArray();
    const QByteArray oldContent = oldQuote + oldTail;

    const QByteArray content = replacedQuoteFileContent(newQuote, oldContent);
    const QByteArray quoteBytes = newQuote.toUtf8();
    fuzz::require(content.startsWith(quoteBytes), "the file begins with the new quote");
    const QByteArray history = content.sliced(quoteBytes.size());
    fuzz::require(oldContent.endsWith(history), "the history is the end of the old content");
    if (oldStartsWithQuote)
        fuzz::require(history == oldTail, "everything after the old quote is kept",
                      QString::fromUtf8(oldContent.left(200)));
    fuzz::require(leadingQuoteTextSize(content) == quoteBytes.size(),
                  "the new quote is recognised as one", newQuote);

    const QString nextQuote = quoteText(takeReport(input));
    fuzz::require(replacedQuoteFileContent(nextQuote, content) == nextQuote.toUtf8() + history,
                  "a second replacement keeps the same history");
    return 0;
}
