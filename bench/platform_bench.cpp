// The system queries that start-up makes through the real platform, one by one and together.
#include "qt_platform.h"

#include <benchmark/benchmark.h>

namespace quillon {
namespace {

void benchMemoryStatus(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform.memoryStatus());
}
BENCHMARK(benchMemoryStatus)->Unit(benchmark::kMicrosecond);

void benchDialUpConnections(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform.dialUpConnections());
}
BENCHMARK(benchDialUpConnections)->Unit(benchmark::kMicrosecond);

void benchUserName(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform.userName());
}
BENCHMARK(benchUserName)->Unit(benchmark::kMicrosecond);

void benchTickCount(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform.tickCount());
}
BENCHMARK(benchTickCount)->Unit(benchmark::kMicrosecond);

// Every system query of the start-up sequence, in its order.
void benchStartUpQueries(benchmark::State &state) {
    QtPlatform platform;
    for (auto _ : state) {
        benchmark::DoNotOptimize(platform.memoryStatus());
        benchmark::DoNotOptimize(platform.dialUpConnections());
        benchmark::DoNotOptimize(platform.userName());
        benchmark::DoNotOptimize(platform.tickCount());
    }
}
BENCHMARK(benchStartUpQueries)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quillon
