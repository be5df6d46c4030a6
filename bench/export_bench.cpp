// The customer archive export at store scale (100,000 customers): the full view loaded into
// the export grid from the screen's showing to the grid filled, and the spreadsheet export of
// that grid next to the floor, a minimal writer of the same cells with libxlsxwriter in
// constant-memory mode. Counter peak_MiB: the whole program's peak resident memory during the
// run (reset before it).
#include "../tests/support/fake_services.h"
#include "core/grid_export.h"
#include "customers/Imminenti.h"
#include "customers/customer_export.h"
#include "memory_probe.h"
#include "platform/office_files.h"
#include "qt_bench_main.h"
#include "screenkit/HelpForm.h"
#include "screenkit/export_grid.h"
#include "store_archives.h"

#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <fstream>
#include <memory>

namespace filmeria::bench {
namespace {

const TextTable& customerGrid() {
    static const TextTable grid = *customerExportTable(storeFolder(), CustomerExportView::All);
    return grid;
}

void BM_CustomerExportScreenLoadsEveryCustomer(benchmark::State& state) {
    testing::FakeServices fakes(QString::fromStdString(storeFolder()));
    TfrmHelpForm help(fakes.services);
    double peak = 0;
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeakResident();
        auto screen = std::make_unique<TfrmImminenti>(fakes.services, help);
        state.ResumeTiming();
        screen->show(); // showing loads the full view
        state.PauseTiming();
        rows = screen->findChild<QTableView*>("grdRecords")->model()->rowCount();
        screen.reset();
        peak = std::max(peak, peakResidentMiB());
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_CustomerExportScreenLoadsEveryCustomer)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CustomerSpreadsheetExport(benchmark::State& state) {
    const TextTable& grid = customerGrid();
    QTemporaryDir dir;
    int n = 0;
    double peak = 0;
    for (auto _ : state) {
        resetPeakResident();
        writeSpreadsheet(dir.filePath(QStringLiteral("c%1.xlsx").arg(n++)).toStdString(),
                         spreadsheetOf(grid, kCustomerSheet));
        peak = std::max(peak, peakResidentMiB());
    }
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_CustomerSpreadsheetExport)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor: the same cells, as they stand, straight from the grid into libxlsxwriter.
void BM_SpreadsheetFloor(benchmark::State& state) {
    const TextTable& grid = customerGrid();
    QTemporaryDir dir;
    int n = 0;
    for (auto _ : state) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        const std::string path = dir.filePath(QStringLiteral("f%1.xlsx").arg(n++)).toStdString();
        lxw_workbook* workbook = workbook_new_opt(path.c_str(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Clienti");
        lxw_format* text = workbook_add_format(workbook);
        format_set_num_format(text, "@");
        std::string cell;
        for (int r = 0; r < grid.rows(); ++r) {
            for (int c = 0; c < grid.columns(); ++c) {
                cell.assign(grid.cell(r, c));
                worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                       cell.c_str(), text);
            }
        }
        workbook_close(workbook);
    }
}
BENCHMARK(BM_SpreadsheetFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace filmeria::bench

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
