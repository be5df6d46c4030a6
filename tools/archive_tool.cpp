// filmeria-archivi: backup, migration and support for the record archives.
//   filmeria-archivi export FILE   CSV (UTF-8) of a customer file (.pro), a year file (.nol) or Film.db
//   filmeria-archivi check FILE    record count and damage report; exit 0 clean, 1 problems,
//                                  2 the file cannot be read
#include "tools/archive_report.h"

#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3 || (std::string(argv[1]) != "export" && std::string(argv[1]) != "check")) {
        std::cerr << "usage: filmeria-archivi export|check FILE\n";
        return 2;
    }
    const std::string command = argv[1];
    if (command == "export")
        return filmeria::exportArchive(argv[2], std::cout, std::cerr);
    return filmeria::checkArchive(argv[2], std::cout, std::cerr);
}
