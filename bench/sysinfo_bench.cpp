// The Sys Info tab's memory summary, from the kernel's texts to the seven lines.
#include "memory_summary.h"
#include "proc_memory.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace quillon {
namespace {

QByteArray procText(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void benchMemoryFiguresFromProc(benchmark::State &state) {
    const QByteArray meminfo = procText(QStringLiteral("/proc/meminfo"));
    const QByteArray status = procText(QStringLiteral("/proc/self/status"));
    for (auto _ : state)
        benchmark::DoNotOptimize(memoryFiguresFromProc(meminfo, status, quint64(1) << 47));
}
BENCHMARK(benchMemoryFiguresFromProc);

void benchMemorySummaryText(benchmark::State &state) {
    const MemoryFigures figures{37,
                                16'000'000'000,
                                9'500'000'000,
                                20'000'000'000,
                                13'000'000'000,
                                quint64(1) << 47,
                                (quint64(1) << 47) - 900'000'000};
    for (auto _ : state)
        benchmark::DoNotOptimize(memorySummaryText(figures));
}
BENCHMARK(benchMemorySummaryText);

} // namespace
} // namespace quillon
