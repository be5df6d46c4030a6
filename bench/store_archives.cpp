#include "store_archives.h"

#include "tools/demo_data.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace filmeria::bench {

const std::string& storeFolder() {
    static const std::string folder = [] {
        const char* kept = std::getenv("FILMERIA_BENCH_FOLDER");
        const std::filesystem::path dir =
            kept ? std::filesystem::path(kept)
                 : std::filesystem::temp_directory_path() / ("filmeria-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        const std::string path = dir.string() + "/";
        if (!std::filesystem::exists(dir / "Clienti.pro"))
            demo::writeCustomers(path, kStoreCustomers, 1);
        if (!std::filesystem::exists(dir / (std::to_string(kStoreYear) + ".nol")))
            demo::writeSlips(path, kStoreYear, kStoreSlips, kStoreCustomers, kStoreFilms, 1);
        if (!std::filesystem::exists(dir / "Film.db"))
            demo::writeFilms(path, kStoreFilms, {1, 300, 440, 85, true}, 1);
        return path;
    }();
    return folder;
}

const std::string& growthFolder() {
    static const std::string folder = [] {
        const std::string path = storeFolder() + "milione/";
        std::filesystem::create_directories(path);
        if (!std::filesystem::exists(path + "Clienti.pro"))
            demo::writeCustomers(path, kGrowthCustomers, 1);
        return path;
    }();
    return folder;
}

namespace {

std::string writeReturnsFolder(const std::string& name, int outOf) {
    const std::string path = storeFolder() + name + "/";
    std::filesystem::create_directories(path);
    if (!std::filesystem::exists(path + "Clienti.pro"))
        std::filesystem::create_hard_link(storeFolder() + "Clienti.pro", path + "Clienti.pro");
    for (const int year : {kStoreYear - 1, kStoreYear}) {
        if (!std::filesystem::exists(path + std::to_string(year) + ".nol"))
            demo::writeSlips(path, year, kStoreSlips, kStoreCustomers, kStoreFilms, 1, kReturnsSlipRows,
                             outOf);
    }
    return path;
}

} // namespace

const std::string& returnsFolder() {
    static const std::string folder = writeReturnsFolder("rientri", 400);
    return folder;
}

const std::string& crowdedReturnsFolder() {
    static const std::string folder = writeReturnsFolder("rientri-tutti", 4);
    return folder;
}

} // namespace filmeria::bench
