// Lists at store scale and growth: the customer search from Trova to the list filled and drawn
// (100,000 and 1,000,000 customers), next to a plain C block scan of the same file (the floor),
// with the whole process's peak memory.
#include "../tests/support/fake_services.h"
#include "customers/Avanzate.h"
#include "customers/customer_file.h"
#include "memory_probe.h"
#include "qt_bench_main.h"
#include "screenkit/result_list.h"
#include "store_archives.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace filmeria::bench {
namespace {

const std::string& folderFor(std::int64_t customers) {
    return customers >= kGrowthCustomers ? growthFolder() : storeFolder();
}

// Trova on the customer search with `name` (every customer when empty), shown and drawn.
void runCustomerSearch(benchmark::State& state, const QString& name) {
    const std::string& folder = folderFor(state.range(0));
    testing::FakeServices fakes(QString::fromStdString(folder));
    auto search = std::make_unique<TfrmAvanzate>(fakes.services);
    search->show();
    auto* trova = search->findChild<QPushButton*>("cmdTrova");
    auto* indietro = search->findChild<QPushButton*>("cmdIndietro");
    auto* list = search->findChild<ResultList*>("lstRecords");
    search->findChild<QLineEdit*>("txtCognome")->setText(name);
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        indietro->click();
        QApplication::processEvents();
        resetPeakResident();
        state.ResumeTiming();
        trova->click();
        QApplication::processEvents(); // the list laid out and drawn
        state.PauseTiming();
        peak = std::max(peak, peakResidentMiB());
        state.ResumeTiming();
    }
    state.counters["listed"] = list->count();
    state.counters["program_peak_MiB"] = peak;
}

void BM_CustomerSearchEveryCustomer(benchmark::State& state) {
    runCustomerSearch(state, QString());
}
BENCHMARK(BM_CustomerSearchEveryCustomer)->Arg(100000)->Arg(kGrowthCustomers)->Unit(benchmark::kMillisecond);

void BM_CustomerSearchByName(benchmark::State& state) {
    runCustomerSearch(state, QStringLiteral("rossi"));
}
BENCHMARK(BM_CustomerSearchByName)->Arg(100000)->Arg(kGrowthCustomers)->Unit(benchmark::kMillisecond);

// The floor: read the file in 1 MiB blocks with stdio and test each name for "rossi" (letters
// without case), as small a program as does the same reading.
void BM_CustomerScanFloor(benchmark::State& state) {
    const std::string path = customerFilePath(folderFor(state.range(0)));
    const FieldLayout& name = CustomerLayout::kFields[CustomerLayout::index(CustomerField::Nome)];
    std::vector<char> block((1 << 20) / kCustomerRecordSize * kCustomerRecordSize);
    std::size_t found = 0;
    for (auto _ : state) {
        found = 0;
        FILE* file = std::fopen(path.c_str(), "rb");
        std::size_t n;
        while ((n = std::fread(block.data(), 1, block.size(), file)) >= kCustomerRecordSize) {
            for (std::size_t at = 0; at + kCustomerRecordSize <= n; at += kCustomerRecordSize) {
                const char* field = block.data() + at + name.offset;
                const std::size_t length =
                    std::min<std::size_t>(static_cast<unsigned char>(field[0]), name.capacity);
                for (std::size_t i = 0; i + 5 <= length; ++i) {
                    if (strncasecmp(field + 1 + i, "rossi", 5) == 0) {
                        ++found;
                        break;
                    }
                }
            }
        }
        std::fclose(file);
    }
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_CustomerScanFloor)->Arg(100000)->Arg(kGrowthCustomers)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace filmeria::bench

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
