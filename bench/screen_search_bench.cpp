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

#include <fstream>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

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

// Empties the system's file cache, so the next read comes from the disk.
void dropFileCache(benchmark::State& state) {
    ::sync();
    std::ofstream drop("/proc/sys/vm/drop_caches");
    if (!(drop << "3" << std::flush))
        state.SkipWithError("the file cache cannot be emptied (not root)");
}

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
void runFilmSearch(benchmark::State& state, int criterion, const QString& key, bool cold = false) {
    auto& search = screens().filmSearch;
    search.findChild<QComboBox*>("cboCriterio")->setCurrentIndex(criterion);
    search.findChild<QLineEdit*>("txtCriterio")->setText(key);
    auto* popola = search.findChild<QPushButton*>("btnPopola");
    auto* list = search.findChild<ResultList*>("lstRecords");
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            dropFileCache(state);
            state.ResumeTiming();
        }
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

// The first search of the day: the system's file cache emptied before each (needs root).
void BM_FilmSearchEmptyKeyCold(benchmark::State& state) {
    runFilmSearch(state, 0, QStringLiteral(" "), true);
}
BENCHMARK(BM_FilmSearchEmptyKeyCold)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor: the sqlite3 library running the statement the search runs, with its own LIKE,
// reading every column of every row as the shell prints them.
void runFilmFloor(benchmark::State& state, const char* sql, bool cold) {
    const std::string path = storeFolder() + "Film.db";
    std::size_t rows = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            dropFileCache(state);
            state.ResumeTiming();
        }
        sqlite3* db = nullptr;
        sqlite3_stmt* statement = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
        rows = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(statement); ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
            ++rows;
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

constexpr const char* kFilmSearchSql =
    "SELECT ID,varTitolo,varNazione,varAnno,varRegista,varPrezzo,varCodice,"
    "varDisponibile FROM film WHERE varTitolo LIKE '%%' ORDER BY +ID";
// The same statement forced through the table, as the search read it before the text index.
constexpr const char* kFilmTableSql = "SELECT ID,varTitolo,varNazione,varAnno,varRegista,varPrezzo,varCodice,"
                                      "varDisponibile FROM film NOT INDEXED WHERE varTitolo LIKE '%%'";

void BM_FilmSearchFloor(benchmark::State& state) {
    runFilmFloor(state, kFilmSearchSql, false);
}
BENCHMARK(BM_FilmSearchFloor)->Unit(benchmark::kMillisecond);

void BM_FilmSearchFloorCold(benchmark::State& state) {
    runFilmFloor(state, kFilmSearchSql, true);
}
BENCHMARK(BM_FilmSearchFloorCold)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FilmTableScanCold(benchmark::State& state) {
    runFilmFloor(state, kFilmTableSql, true);
}
BENCHMARK(BM_FilmTableScanCold)->Unit(benchmark::kMillisecond)->Iterations(3);

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
