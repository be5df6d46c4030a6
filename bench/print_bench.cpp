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

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <string>

namespace filmeria::bench {
namespace {

// The pages of a written PDF, counted in the file as a reader counts them.
int pdfPages(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page ") + bytes.count("/Type /Page>") +
                            bytes.count("/Type /Page/"));
}

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
        });
        pages = pdfPages(pdf);
        peak = std::max(peak, peakResidentMiB());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["pages"] = pages;
    state.counters["peak_MiB"] = peak;
    state.counters["pdf_MiB"] = static_cast<double>(QFileInfo(pdf).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ListPrintoutToPdf)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

// The floor: the same lines in the same font and spacing, drawn with a painter straight on a
// PDF printer of the same resolution, a new page where the printout starts one.
void BM_ListPrintoutFloor(benchmark::State& state) {
    const auto& all = everyCustomer();
    const std::size_t count = std::min<std::size_t>(all.size(), static_cast<std::size_t>(state.range(0)));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("minimo.pdf"));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter(&printer);
        QFont courier(QStringLiteral("Courier New"));
        courier.setPointSize(8);
        painter.setFont(courier);
        const int h8 =
            static_cast<int>(std::lround(8 * printer.resolution() / 72.0)); // as the printout steps
        const int height = printer.pageLayout().paintRectPixels(printer.resolution()).height();
        int y = 6 * h8;
        for (std::size_t i = 0; i < count; ++i) {
            if (y >= height - 3 * h8) {
                y = 2 * h8;
                printer.newPage();
            }
            painter.drawText(100, y,
                             QString::fromLatin1(all[i].data(), static_cast<qsizetype>(all[i].size())));
            y += 2 * h8;
        }
    }
    state.counters["pages"] = pdfPages(pdf);
}
BENCHMARK(BM_ListPrintoutFloor)->Arg(10000)->Arg(100000)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
} // namespace filmeria::bench

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv);
}
