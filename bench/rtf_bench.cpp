// The rich-text report area's RTF writer (Save Report) and reader (Open Report), on the quote
// text as View Report shows it, on a 1 MB formatted document, on tables of growing size and on
// documents of growing numbers of runs, links, footnotes, headed sections and list items.
#include "quote_report.h"
#include "quote_samples.h"
#include "rtf_reader.h"
#include "rtf_writer.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <memory>

namespace quillon {
namespace {

constexpr qsizetype kLargeTextBytes = 1024 * 1024;

std::unique_ptr<QTextDocument> quoteDocument() {
    // A customer name outside ASCII, as the writer's \uN path needs work too.
    QuoteReport report = sampleReport();
    report.client = QStringLiteral("Café Ørsted");
    auto document = std::make_unique<QTextDocument>();
    document->setPlainText(quoteText(report));
    return document;
}

// About 1 MB of text in short paragraphs, with bold, italic, underlined, coloured and sized runs
// and some text outside ASCII, so that every part of the writer and reader takes its share.
std::unique_ptr<QTextDocument> largeDocument() {
    auto document = std::make_unique<QTextDocument>();
    QTextCursor cursor(document.get());
    const QString words = QStringLiteral("Purchase price GST included 1,402.91 — Größe café\t");
    QTextCharFormat plain;
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat marked;
    marked.setFontItalic(true);
    marked.setFontUnderline(true);
    marked.setForeground(QColor(0x80, 0, 0));
    marked.setFontPointSize(12);
    const QTextCharFormat formats[] = {plain, bold, marked};
    qsizetype written = 0;
    for (int run = 0; written < kLargeTextBytes; ++run) {
        cursor.insertText(words, formats[run % 3]);
        written += words.size();
        if (run % 4 == 3) {
            cursor.insertBlock();
            ++written;
        }
    }
    return document;
}

void benchWriteQuoteRtf(benchmark::State &state) {
    const auto document = quoteDocument();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = RtfWriter::toRtf(*document);
        bytes += rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(benchWriteQuoteRtf)->Unit(benchmark::kMicrosecond);

void benchReadQuoteRtf(benchmark::State &state) {
    const QByteArray rtf = RtfWriter::toRtf(*quoteDocument());
    for (auto _ : state) {
        QTextDocument document;
        RtfReader reader;
        if (!reader.read(rtf, &document)) {
            state.SkipWithError("the quote's RTF did not read back");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(benchReadQuoteRtf)->Unit(benchmark::kMicrosecond);

void benchWriteLargeRtf(benchmark::State &state) {
    const auto document = largeDocument();
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = RtfWriter::toRtf(*document);
        bytes += rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(benchWriteLargeRtf)->Unit(benchmark::kMillisecond);

void benchReadLargeRtf(benchmark::State &state) {
    const QByteArray rtf = RtfWriter::toRtf(*largeDocument());
    for (auto _ : state) {
        QTextDocument document;
        RtfReader reader;
        if (!reader.read(rtf, &document)) {
            state.SkipWithError("the large RTF did not read back");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["rtf_bytes"] = double(rtf.size());
}
BENCHMARK(benchReadLargeRtf)->Unit(benchmark::kMillisecond);

// A price list as one table of state.range(0) rows of three cells, as word processors write it:
// the time per row should not grow with the rows.
void benchReadTableRtf(benchmark::State &state) {
    QByteArray rtf = "{\\rtf1\\ansi\r\n";
    for (int row = 0; row < state.range(0); ++row) {
        rtf += "\\trowd\\cellx3000\\cellx6000\\cellx9000\\pard\\intbl Item " +
               QByteArray::number(row) + "\\cell\\qr 1,402.91\\cell\\qc Yes\\cell\\row\r\n";
    }
    rtf += "\\pard after\\par}";
    for (auto _ : state) {
        QTextDocument document;
        RtfReader reader;
        if (!reader.read(rtf, &document)) {
            state.SkipWithError("the table's RTF did not read");
            break;
        }
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(benchReadTableRtf)
    ->Arg(1000)
    ->Arg(4000)
    ->Arg(16000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// What the documents of benchReadGrowingRtf repeat.
enum class Unit { Runs, Links, Footnotes, HeadedSections, ListItems };

// A document of `count` units of one kind, as word processors write them: bold and plain runs in
// one paragraph; links in one paragraph; footnotes in one paragraph; sections of a mail merge,
// each a letter with its own header; items of one numbered list, without \listtext.
QByteArray growingRtf(Unit unit, int count) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\r\n";
    if (unit == Unit::ListItems)
        rtf += "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc0\\levelstartat1"
               "{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}\\listid7}}"
               "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}}\r\n";
    rtf += "\\pard ";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        switch (unit) {
        case Unit::Runs:
            rtf += "\\b bold " + n + "\\b0  plain ";
            break;
        case Unit::Links:
            rtf += "{\\field{\\*\\fldinst HYPERLINK \"https://example.com/" + n +
                   "\"}{\\fldrslt link " + n + "}} ";
            break;
        case Unit::Footnotes:
            rtf +=
                "word{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} Note " + n + ".}\r\n";
            break;
        case Unit::HeadedSections:
            rtf += (i > 0 ? "\\sect" : "") + QByteArray("\\sectd{\\header\\pard\\qr Letter ") + n +
                   "\\par}\\pard Dear customer " + n + ",\\par Your quote follows.\\par\r\n";
            break;
        case Unit::ListItems:
            rtf += "\\pard\\ls1\\ilvl0 item " + n + "\\par\r\n";
            break;
        }
    }
    return rtf + "\\par}";
}

// Open Report's time should grow with the document: state.range(0) units and four times as many.
void benchReadGrowingRtf(benchmark::State &state, Unit unit) {
    const QByteArray rtf = growingRtf(unit, int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        RtfReader reader;
        if (!reader.read(rtf, &document)) {
            state.SkipWithError("the generated RTF did not read");
            break;
        }
    }
    state.counters["rtf_bytes"] = double(rtf.size());
}
constexpr int kGrowingUnits = 5000;
BENCHMARK_CAPTURE(benchReadGrowingRtf, runs, Unit::Runs)
    ->Arg(kGrowingUnits)
    ->Arg(4 * kGrowingUnits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(benchReadGrowingRtf, links, Unit::Links)
    ->Arg(kGrowingUnits)
    ->Arg(4 * kGrowingUnits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(benchReadGrowingRtf, footnotes, Unit::Footnotes)
    ->Arg(kGrowingUnits)
    ->Arg(4 * kGrowingUnits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(benchReadGrowingRtf, headed_sections, Unit::HeadedSections)
    ->Arg(kGrowingUnits)
    ->Arg(4 * kGrowingUnits)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(benchReadGrowingRtf, list_items, Unit::ListItems)
    ->Arg(kGrowingUnits)
    ->Arg(4 * kGrowingUnits)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillon
