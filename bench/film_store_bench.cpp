// The film store at store scale (20,000 films with posters, 1.2 GB): "Ottimizza" next to the
// sqlite3 library's VACUUM with its defaults (the floor), each on a fresh copy of the store,
// with the whole process's peak memory during the run.
#include "films/film_store.h"
#include "memory_probe.h"
#include "store_archives.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace filmeria::bench {
namespace {

// A copy of the store-scale Film.db in a folder of its own, removed afterwards.
class StoreCopy {
public:
    StoreCopy()
        : folder_(std::filesystem::temp_directory_path() /
                  ("filmeria-vacuum-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::copy_file(storeFolder() + "Film.db", folder_ / "Film.db");
    }
    ~StoreCopy() { std::filesystem::remove_all(folder_); }
    std::string folder() const { return folder_.string() + "/"; }
    std::string file() const { return (folder_ / "Film.db").string(); }

private:
    std::filesystem::path folder_;
};

void runVacuum(benchmark::State& state, const std::function<void(const StoreCopy&)>& vacuum) {
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto copy = std::make_unique<StoreCopy>();
        resetPeakResident();
        const double before = peakResidentMiB();
        state.ResumeTiming();
        vacuum(*copy);
        state.PauseTiming();
        peak = std::max(peak, peakResidentMiB() - before);
        copy.reset();
        state.ResumeTiming();
    }
    state.counters["peak_MiB"] = peak;
}

void BM_Ottimizza(benchmark::State& state) {
    runVacuum(state, [](const StoreCopy& copy) { FilmStore(copy.folder()).compact(); });
}
BENCHMARK(BM_Ottimizza)->Unit(benchmark::kMillisecond)->Iterations(3);

// The floor: a plain connection with SQLite's defaults, as the sqlite3 shell opens it.
void BM_VacuumFloor(benchmark::State& state) {
    runVacuum(state, [](const StoreCopy& copy) {
        sqlite3* db = nullptr;
        if (sqlite3_open(copy.file().c_str(), &db) != SQLITE_OK ||
            sqlite3_exec(db, "VACUUM;", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw std::runtime_error("VACUUM failed");
        sqlite3_close(db);
    });
}
BENCHMARK(BM_VacuumFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace filmeria::bench

BENCHMARK_MAIN();
