// libFuzzer target for View Report's write of the quote file, over arbitrary existing file
// contents and quotes made from arbitrary answers, as the program makes them (quoteFromPricing()
// and writeQuote() on a file in a folder of its own). Beyond the sanitizers' checks: the new file
// begins with the new quote text; what follows is the end of the old content (nothing invented,
// nothing reordered); an old file that begins with a quote keeps everything after that quote;
// and a second replacement keeps exactly the history the first one kept.

#include "fuzz_support.h"
#include "quote_file.h"
#include "quote_from_pricing.h"
#include "quote_report.h"

#include <QFile>
#include <QTemporaryDir>

using namespace quillon;

namespace {

// The date and the time come from the locale, never with a line end; the names and the markup
// are what the user typed or pasted, line breaks included.
QString quoteFromAnswers(fuzz::Input &input) {
    QuoteRequest request;
    request.date = input.text().remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    request.time = input.text().remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    request.client = input.text();
    request.product = input.text();
    request.selectedMarkup = input.text();
    PricingState state;
    if (input.byte() & 1)
        state.markupTextUsed = input.text();
    return quoteText(quoteFromPricing(state, request, fuzz::locale(input.byte())));
}

QByteArray fileContent(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    fuzz::Input input(data, size);
    const bool oldStartsWithQuote = input.byte() & 1;
    const QString newQuote = quoteFromAnswers(input);
    const QByteArray oldQuote =
        oldStartsWithQuote ? quoteFromAnswers(input).toUtf8() : QByteArray();
    const QByteArray oldTail = input.rest().toByteArray();
    const QByteArray oldContent = oldQuote + oldTail;

    const QTemporaryDir folder;
    const QString path = quoteFilePath(folder.path());
    QFile old(path);
    fuzz::require(old.open(QIODevice::WriteOnly) && old.write(oldContent) == oldContent.size(),
                  "the old file can be made");
    old.close();

    fuzz::require(!writeQuote(folder.path(), newQuote, leadingQuoteTextSize),
                  "the quote is written");
    const QByteArray content = fileContent(path);
    const QByteArray quoteBytes = newQuote.toUtf8();
    fuzz::require(content.startsWith(quoteBytes), "the file begins with the new quote");
    const QByteArray history = content.sliced(quoteBytes.size());
    fuzz::require(oldContent.endsWith(history), "the history is the end of the old content");
    if (oldStartsWithQuote)
        fuzz::require(history == oldTail, "everything after the old quote is kept",
                      QString::fromUtf8(oldContent.left(200)));
    fuzz::require(leadingQuoteTextSize(content) == quoteBytes.size(),
                  "the new quote is recognised as one", newQuote);

    const QString nextQuote = quoteFromAnswers(input);
    fuzz::require(!writeQuote(folder.path(), nextQuote, leadingQuoteTextSize),
                  "the next quote is written");
    fuzz::require(fileContent(path) == nextQuote.toUtf8() + history,
                  "a second replacement keeps the same history");
    return 0;
}
