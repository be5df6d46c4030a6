// generate-archives: writes deterministic synthetic archives into a folder.
//   generate-archives FOLDER [--customers N] [--slips N] [--year YYYY] [--films N] [--seed S]
#include "tools/demo_data.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: generate-archives FOLDER [--customers N] [--slips N] [--year YYYY] [--films N] "
                     "[--seed S]\n";
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/')
        folder += '/';
    int customers = 40;
    int slips = 0;
    int year = 2026;
    int films = 0;
    unsigned long seed = 1;
    for (int i = 2; i + 1 < argc; i += 2) {
        const long value = std::strtol(argv[i + 1], nullptr, 10);
        if (std::strcmp(argv[i], "--customers") == 0)
            customers = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--slips") == 0)
            slips = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--year") == 0)
            year = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--films") == 0)
            films = static_cast<int>(value);
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned long>(value);
        else {
            std::cerr << "unknown option " << argv[i] << "\n";
            return 2;
        }
    }
    try {
        filmeria::demo::writeCustomers(folder, customers, seed);
        if (slips > 0)
            filmeria::demo::writeSlips(folder, year, slips, customers, films, seed);
        if (films > 0)
            filmeria::demo::writeFilms(folder, films, {}, seed);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::cout << customers << " customers, " << slips << " slips of " << year << ", " << films << " films in "
              << folder << "\n";
    return 0;
}
