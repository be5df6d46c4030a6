// The statistics of a year of 100,000 slips, in one process beside a plain C block scan of the
// same year file: the scan reads it in 1 MiB blocks and counts the slips in use, the floor of
// any reading of it.
#include "rentals/rental_file.h"
#include "rentals/rental_statistics.h"
#include "store_archives.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace filmeria::bench {
namespace {

std::string yearFile() {
    return storeFolder() + std::to_string(kStoreYear) + ".nol";
}

void BM_BlockScanOfTheYearFile(benchmark::State& state) {
    const std::string path = yearFile();
    std::vector<char> block((1 << 20) / kRentalRecordSize * kRentalRecordSize);
    for (auto _ : state) {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) {
            state.SkipWithError("no year file");
            return;
        }
        long used = 0;
        std::size_t n;
        while ((n = std::fread(block.data(), 1, block.size(), file)) >= kRentalRecordSize)
            for (std::size_t at = 0; at + kRentalRecordSize <= n; at += kRentalRecordSize)
                used += block[at] != 0;
        std::fclose(file);
        benchmark::DoNotOptimize(used);
    }
}
BENCHMARK(BM_BlockScanOfTheYearFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_YearStatistics(benchmark::State& state) {
    const std::string& folder = storeFolder();
    for (auto _ : state) {
        const YearStatistics figures = yearStatistics(folder, kStoreYear);
        benchmark::DoNotOptimize(figures.total.takings);
        state.counters["slips"] = static_cast<double>(figures.total.slips);
    }
}
BENCHMARK(BM_YearStatistics)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace filmeria::bench

BENCHMARK_MAIN();
