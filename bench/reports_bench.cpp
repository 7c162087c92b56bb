// The report work behind View Report and Save to File: the quote text and history record, and the
// quote file written with its history carried over.
#include "quote_file.h"
#include "quote_report.h"
#include "quote_samples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace quillon {
namespace {

// A temporary folder whose quote file holds a quote text and `records` history records.
class QuoteFolder {
public:
    explicit QuoteFolder(qsizetype records)
        : m_ready(m_dir.isValid() && writeSampleQuoteFile(m_dir.path(), records)) {}

    bool isReady() const { return m_ready; }
    QString folder() const { return m_dir.path(); }
    QString path() const {
        return QDir(m_dir.path()).filePath(QString::fromLatin1(kQuoteFileName));
    }

private:
    QTemporaryDir m_dir;
    bool m_ready;
};

void benchQuoteText(benchmark::State &state) {
    const QuoteReport report = sampleReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(quoteText(report));
}
BENCHMARK(benchQuoteText);

void benchHistoryRecord(benchmark::State &state) {
    const QuoteReport report = sampleReport();
    for (auto _ : state)
        benchmark::DoNotOptimize(historyRecord(report));
}
BENCHMARK(benchHistoryRecord);

// The new file content alone, without the disk: shows the cost of carrying the history over.
void benchReplacedContent(benchmark::State &state) {
    const QuoteReport report = sampleReport();
    const QString text = quoteText(report);
    QByteArray old = text.toUtf8();
    const QByteArray record = historyRecord(report).toUtf8();
    for (int64_t i = 0; i < state.range(0); ++i)
        old += record;
    for (auto _ : state)
        benchmark::DoNotOptimize(replacedQuoteFileContent(text, old));
    state.SetBytesProcessed(state.iterations() * old.size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(benchReplacedContent)->RangeMultiplier(10)->Range(10, 10'000)->Complexity(benchmark::oN);

// View Report's file write: read the old file, replace its quote text, write and rename.
void benchWriteQuote(benchmark::State &state) {
    const QuoteFolder quotes(state.range(0));
    if (!quotes.isReady()) {
        state.SkipWithError("cannot prepare the quote file");
        return;
    }
    const QString text = quoteText(sampleReport());
    for (auto _ : state) {
        if (writeQuote(quotes.folder(), text)) {
            state.SkipWithError("writeQuote failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * QFile(quotes.path()).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(benchWriteQuote)
    ->RangeMultiplier(10)
    ->Range(10, 10'000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

// Save to File's write: one record appended to a file that already holds `range` records.
void benchAppendHistory(benchmark::State &state) {
    const QuoteFolder quotes(state.range(0));
    if (!quotes.isReady()) {
        state.SkipWithError("cannot prepare the quote file");
        return;
    }
    const QString record = historyRecord(sampleReport());
    for (auto _ : state) {
        if (appendHistory(quotes.folder(), record)) {
            state.SkipWithError("appendHistory failed");
            break;
        }
    }
}
BENCHMARK(benchAppendHistory)->Arg(10)->Arg(10'000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillon
