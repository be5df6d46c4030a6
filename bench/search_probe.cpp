// The first searches after start-up, as the clerk waits for them: the customer search (every
// customer) or the rental search (every slip of the year) started in a fresh process on the
// offscreen platform, Trova clicked and the list laid out and drawn. One line per search:
//   search N: MS ms, listed LINES, list MIB MiB, peak MIB MiB, resident MIB MiB
// where the peak and resident figures are the whole process's.
//   search_probe customers|slips|returns FOLDER [SEARCHES]
// "returns" times the returns desk from its opening (every year file of the folder read) to
// its list drawn, each time it opens; "statistics" the statistics screen of the store's year
// from Aggiorna to its five charts drawn.
#include "../tests/support/fake_services.h"
#include "app/application.h"
#include "customers/Avanzate.h"
#include "customers/customer_export.h"
#include "memory_probe.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/Rientri.h"
#include "rentals/Statistiche.h"
#include "screenkit/result_list.h"
#include "store_archives.h"

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

double residentMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Times `rounds` times from `start` to the list laid out and drawn, after `prepare` has set the
// screen back, and prints a line for each.
template <typename Prepare, typename Start>
int timeRounds(filmeria::ResultList* list, int rounds, Prepare prepare, Start start) {
    for (int n = 1; n <= rounds; ++n) {
        prepare();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        start();
        list->repaint(); // laid out and drawn before the time is read
        QApplication::processEvents();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("search %d: %.1f ms, listed %d, list %.1f MiB, peak %.1f MiB, resident %.1f MiB\n", n, ms,
                    list->count(), static_cast<double>(list->lines().capacityBytes()) / (1 << 20),
                    filmeria::bench::peakResidentMiB(), residentMiB());
        std::fflush(stdout);
    }
    return 0;
}

int run(QWidget& screen, int searches) {
    screen.show();
    QApplication::processEvents();
    auto* trova = screen.findChild<QPushButton*>("cmdTrova");
    auto* indietro = screen.findChild<QPushButton*>("cmdIndietro");
    auto* list = screen.findChild<filmeria::ResultList*>("lstRecords");
    if (!trova || !indietro || !list)
        return 2;
    // Indietro clears the list, as a new search from the criteria does.
    return timeRounds(
        list, searches, [indietro] { indietro->click(); }, [trova] { trova->click(); });
}

// The returns desk opened and closed again: each opening reads the year files anew.
int runReturnsDesk(filmeria::Services& services, int openings) {
    filmeria::TfrmRientri desk(services);
    auto* list = desk.findChild<filmeria::ResultList*>("lstRecords");
    if (!list)
        return 2;
    return timeRounds(
        list, openings, [&desk] { desk.hide(); }, [&desk] { desk.show(); });
}

// The statistics screen: Aggiorna reads the year and the year before again; every chart drawn.
int runStatistics(filmeria::Services& services, int rounds) {
    filmeria::TfrmStatistiche screen(services);
    screen.setYear(filmeria::bench::kStoreYear);
    screen.show();
    QApplication::processEvents();
    auto* aggiorna = screen.findChild<QPushButton*>("cmdAggiorna");
    const QList<QChartView*> charts = screen.findChildren<QChartView*>();
    if (!aggiorna || charts.size() != 5)
        return 2;
    for (int n = 1; n <= rounds; ++n) {
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        aggiorna->click();
        for (QChartView* chart : charts)
            chart->grab(); // laid out and drawn before the time is read
        QApplication::processEvents();
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("search %d: %.1f ms, listed %ld, list 0.0 MiB, peak %.1f MiB, resident %.1f MiB\n", n, ms,
                    screen.figures().total.slips, filmeria::bench::peakResidentMiB(), residentMiB());
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: search_probe customers|slips|returns|statistics CARTELLA [RICERCHE]\n");
        return 2;
    }
    const std::string kind = argv[1];
    QString folder = QString::fromLocal8Bit(argv[2]);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const int searches = argc > 3 ? std::atoi(argv[3]) : 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    filmeria::setUpApplication();
    if (kind == "grid") {
        // The customer export's full view: its own text and the memory it holds.
        const auto grid =
            filmeria::customerExportTable(folder.toStdString(), filmeria::CustomerExportView::All);
        std::size_t text = 0;
        for (int r = 0; r < grid->rows(); ++r)
            for (int c = 0; c < grid->columns(); ++c)
                text += grid->cell(r, c).size();
        std::printf("grid %d x %d: text %.1f MiB, peak %.1f MiB\n", grid->rows(), grid->columns(),
                    static_cast<double>(text) / (1 << 20), filmeria::bench::peakResidentMiB());
        return 0;
    }
    filmeria::testing::FakeServices fakes(folder);
    if (kind == "returns")
        return runReturnsDesk(fakes.services, searches);
    if (kind == "statistics")
        return runStatistics(fakes.services, searches);
    if (kind == "customers") {
        filmeria::TfrmAvanzate search(fakes.services);
        return run(search, searches);
    }
    filmeria::TfrmCercaNoleggio search(fakes.services);
    search.setYear(QString::number(filmeria::bench::kStoreYear));
    return run(search, searches);
}
