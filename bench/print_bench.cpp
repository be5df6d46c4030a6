// The list printout at store scale: the customer search listing every customer (100,000 lines)
// printed to the PDF target, from the first canvas call to the closed file. Counters: the
// pages written and the peak resident memory of the run (reset before each run), so a list
// of 10,000 and one of 100,000 lines show whether memory grows with the pages.
#include "core/list_printout.h"
#include "customers/customer_search.h"
#include "memory_probe.h"
#include "platform/printing.h"
#include "qt_bench_main.h"
#include "store_archives.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace filmeria::bench {
namespace {

const LineList& everyCustomer() {
    static const LineList lines = searchCustomers(storeFolder(), CustomerCriteria{});
    return lines;
}

void BM_ListPrintoutToPdf(benchmark::State& state) {
    const auto& all = everyCustomer();
    LineList lines;
    for (std::size_t i = 0; i < std::min<std::size_t>(all.size(), static_cast<std::size_t>(state.range(0)));
         ++i)
        lines.push_back(all[i]);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("elenco.pdf"));
    int pages = 0;
    double peak = 0;
    for (auto _ : state) {
        resetPeakResident();
        printToPdf(pdf, QStringLiteral("Elenco clienti"), [&](PrintCanvas& canvas) {
            printList(canvas, lines, "Elenco clienti", PageOrientation::Landscape, [] {
                return std::pair<std::string, std::string>{"05/03/2009", "17:42:10"};
            });
            pages =
                1 + static_cast<int>((lines.size() * 134) / static_cast<std::size_t>(canvas.pageHeight()));
        });
        peak = std::max(peak, peakResidentMiB());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["pages"] = pages;
    state.counters["peak_MiB"] = peak;
    state.counters["pdf_MiB"] = static_cast<double>(QFileInfo(pdf).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ListPrintoutToPdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
} // namespace filmeria::bench

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
