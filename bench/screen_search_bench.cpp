// Searches as the operator runs them: from the press of Trova to the filled list, at store
// scale, on the offscreen platform (no painting).
#include "../tests/support/fake_services.h"
#include "customers/Avanzate.h"
#include "films/ImportaFilm.h"
#include "films/RicercaFilm.h"
#include "qt_bench_main.h"
#include "rentals/CercaNoleggio.h"
#include "rentals/Noleggi.h"
#include "screenkit/HelpForm.h"
#include "store_archives.h"

#include "screenkit/result_list.h"
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

#include <memory>

namespace filmeria::bench {

// The search screens the benchmarks drive, each as the program keeps it between uses.
struct Screens {
    Screens()
        : fakes(QString::fromStdString(storeFolder()))
        , rentalSearch(fakes.services)
        , filmSearch(fakes.services)
        , help(fakes.services)
        , filmPicker(fakes.services)
        , rentals(fakes.services, help, filmPicker, rentalSearch) {
        rentalSearch.setYear(QString::number(kStoreYear));
    }
    testing::FakeServices fakes;
    TfrmCercaNoleggio rentalSearch;
    TfrmRicercaFilm filmSearch;
    TfrmHelpForm help;
    TfrmImportaFilm filmPicker;
    TfrmNoleggi rentals;
};

// Lives inside main's application object, created on first use.
std::unique_ptr<Screens> gScreens;

namespace {

Screens& screens() {
    if (!gScreens)
        gScreens = std::make_unique<Screens>();
    return *gScreens;
}

void runRentalSearch(benchmark::State& state, const QString& customer) {
    auto& search = screens().rentalSearch;
    auto* trova = search.findChild<QPushButton*>("cmdTrova");
    auto* indietro = search.findChild<QPushButton*>("cmdIndietro");
    auto* list = search.findChild<ResultList*>("lstRecords");
    for (auto _ : state) {
        state.PauseTiming();
        indietro->click();
        search.findChild<QLineEdit*>("txtCognome")->setText(customer);
        state.ResumeTiming();
        trova->click();
        benchmark::DoNotOptimize(list->count());
    }
    state.counters["listed"] = list->count();
}

void BM_RentalSearchByCustomer(benchmark::State& state) {
    runRentalSearch(state, QStringLiteral("rossi"));
}
BENCHMARK(BM_RentalSearchByCustomer)->Unit(benchmark::kMillisecond);

void BM_RentalSearchEverySlip(benchmark::State& state) {
    runRentalSearch(state, QString());
}
BENCHMARK(BM_RentalSearchEverySlip)->Unit(benchmark::kMillisecond);

// Customers named rossi in the province MI, from Trova to the filled list.
void BM_CustomerSearchTwoCriteria(benchmark::State& state) {
    TfrmAvanzate search(screens().fakes.services);
    auto* trova = search.findChild<QPushButton*>("cmdTrova");
    auto* indietro = search.findChild<QPushButton*>("cmdIndietro");
    auto* list = search.findChild<ResultList*>("lstRecords");
    search.findChild<QLineEdit*>("txtCognome")->setText(QStringLiteral("rossi"));
    search.findChild<QComboBox*>("cboGiorno")->setCurrentText(QStringLiteral("MI"));
    for (auto _ : state) {
        state.PauseTiming();
        indietro->click();
        state.ResumeTiming();
        trova->click();
        benchmark::DoNotOptimize(list->count());
    }
    state.counters["listed"] = list->count();
}
BENCHMARK(BM_CustomerSearchTwoCriteria)->Unit(benchmark::kMillisecond);

// The film search from "Cerca in archivio" to the filled list, 20,000 films with posters.
void runFilmSearch(benchmark::State& state, int criterion, const QString& key) {
    auto& search = screens().filmSearch;
    search.findChild<QComboBox*>("cboCriterio")->setCurrentIndex(criterion);
    search.findChild<QLineEdit*>("txtCriterio")->setText(key);
    auto* popola = search.findChild<QPushButton*>("btnPopola");
    auto* list = search.findChild<ResultList*>("lstRecords");
    for (auto _ : state) {
        popola->click();
        benchmark::DoNotOptimize(list->count());
    }
    state.counters["listed"] = list->count();
}

void BM_FilmSearchTitleMatchingEveryFilm(benchmark::State& state) {
    runFilmSearch(state, 0, QStringLiteral("_"));
}
BENCHMARK(BM_FilmSearchTitleMatchingEveryFilm)->Unit(benchmark::kMillisecond);

// A blank key is an empty key once trimmed: every film is listed.
void BM_FilmSearchEmptyKey(benchmark::State& state) {
    runFilmSearch(state, 0, QStringLiteral(" "));
}
BENCHMARK(BM_FilmSearchEmptyKey)->Unit(benchmark::kMillisecond);

// A barcode scanned into a slip row: from Enter in the code field to the row filled, among
// 20,000 films with posters (the code's index made by the first lookup, before timing).
void BM_ScannedFilmCode(benchmark::State& state) {
    auto& slip = screens().rentals;
    auto* code = slip.findChild<QLineEdit*>("txtCodice01");
    auto* title = slip.findChild<QLineEdit*>("txtTitolo01");
    int film = 0;
    for (auto _ : state) {
        state.PauseTiming();
        code->setText(QStringLiteral("f") + QString::number(1001 + (film++ * 7919) % kStoreFilms));
        title->clear();
        state.ResumeTiming();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(code, &enter);
        if (title->text().isEmpty())
            state.SkipWithError("the scanned film was not found");
    }
}
BENCHMARK(BM_ScannedFilmCode)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace filmeria::bench

int main(int argc, char** argv) {
    return filmeria::bench::runScreenBenchmarks(argc, argv, [] { filmeria::bench::gScreens.reset(); });
}
