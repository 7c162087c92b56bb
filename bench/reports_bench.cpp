// The report work behind View Report and Save to File: the quote text and history record, and the
// quote file written with its history carried over.
#include "quote_file.h"
#include "quote_report.h"
#include "quote_samples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

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

// View Report's file write: read the old file, replace its quote text, write and rename.
void benchWriteQuote(benchmark::State &state) {
    const QuoteFolder quotes(state.range(0));
    if (!quotes.isReady()) {
        state.SkipWithError("cannot prepare the quote file");
        return;
    }
    const QString text = quoteText(sampleReport());
    for (auto _ : state) {
        if (writeQuote(quotes.folder(), text, leadingQuoteTextSize)) {
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

// The floor under View Report's write, for comparison at the same sizes in the same run: what
// any safe rewrite of a file this long costs. Read the old file into a buffer made once, write
// the same bytes to a new file beside it, flush that to the disk and rename it over the old one.
void benchRewriteFloor(benchmark::State &state) {
    const QuoteFolder quotes(state.range(0));
    const QByteArray path = QFile::encodeName(quotes.path());
    const QByteArray temporary = path + ".new";
    std::vector<char> buffer(QFile(quotes.path()).size());
    for (auto _ : state) {
        const int old = open(path.constData(), O_RDONLY);
        const int fresh = open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool done = old >= 0 && fresh >= 0 &&
                          read(old, buffer.data(), buffer.size()) == ssize_t(buffer.size()) &&
                          write(fresh, buffer.data(), buffer.size()) == ssize_t(buffer.size()) &&
                          fsync(fresh) == 0;
        close(old);
        close(fresh);
        if (!done || std::rename(temporary.constData(), path.constData()) != 0) {
            state.SkipWithError("the rewrite failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * qint64(buffer.size()));
}
BENCHMARK(benchRewriteFloor)->Arg(10)->Arg(10'000)->Unit(benchmark::kMicrosecond);

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
