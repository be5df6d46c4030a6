// The record archives at store scale: scans, deletion, rewrite and append.
#include "core/text_rules.h"
#include "customers/customer_file.h"
#include "rentals/rental_file.h"
#include "store_archives.h"
#include "tools/demo_data.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace filmeria::bench {
namespace {

// Customers whose name holds a word, letters compared without case, as the search does.
void BM_CustomerScanSubstring(benchmark::State& state) {
    const std::string& folder = storeFolder();
    for (auto _ : state) {
        std::size_t matches = 0;
        customerArchive(folder).scan([&](const CustomerView& customer, std::size_t) {
            matches += containsIgnoringAsciiCase(customer.stored(CustomerField::Nome), "rossi");
            return true;
        });
        benchmark::DoNotOptimize(matches);
        state.counters["matches"] = static_cast<double>(matches);
    }
}
BENCHMARK(BM_CustomerScanSubstring)->Unit(benchmark::kMillisecond);

void BM_SlipScan(benchmark::State& state) {
    const std::string& folder = storeFolder();
    for (auto _ : state) {
        std::size_t paid = 0;
        yearArchive(folder, std::to_string(kStoreYear)).scan([&](const RentalView& slip, std::size_t) {
            paid += slip.stored(SlipField::Saldato) == kPaid;
            return true;
        });
        benchmark::DoNotOptimize(paid);
    }
}
BENCHMARK(BM_SlipScan)->Unit(benchmark::kMillisecond);

// Deleting record 1 rewrites the whole file; each run starts from a fresh copy.
void BM_DeleteFirstCustomer(benchmark::State& state) {
    const std::string source = storeFolder();
    const std::string work = source + "delete/";
    std::filesystem::create_directories(work);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(source + "Clienti.pro", work + "Clienti.pro",
                                   std::filesystem::copy_options::overwrite_existing);
        state.ResumeTiming();
        customerArchive(work).deleteAt(1);
    }
    std::filesystem::remove_all(work);
}
BENCHMARK(BM_DeleteFirstCustomer)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RewriteSlip(benchmark::State& state) {
    const std::string& folder = storeFolder();
    const std::string year = std::to_string(kStoreYear);
    const RentalRecord slip = demo::makeSlip(1, 50000, kStoreYear, kStoreCustomers, kStoreFilms);
    const RentalArchive slips = yearArchive(folder, year);
    for (auto _ : state)
        slips.writeAt(50000, slip);
}
BENCHMARK(BM_RewriteSlip)->Unit(benchmark::kMicrosecond);

void BM_AppendCustomer(benchmark::State& state) {
    const std::string work = storeFolder() + "append/";
    std::filesystem::create_directories(work);
    std::filesystem::copy_file(storeFolder() + "Clienti.pro", work + "Clienti.pro",
                               std::filesystem::copy_options::overwrite_existing);
    const CustomerRecord customer = demo::makeCustomer(1, 7);
    const CustomerArchive customers = customerArchive(work);
    for (auto _ : state)
        benchmark::DoNotOptimize(customers.append(customer));
    std::filesystem::remove_all(work);
}
BENCHMARK(BM_AppendCustomer)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace filmeria::bench

BENCHMARK_MAIN();
