// filmeria-archivi: backup, migration and support for the record archives.
//   filmeria-archivi export FILE   CSV (UTF-8) of a customer file (.pro), a year file (.nol) or Film.db
//   filmeria-archivi export FILE --xlsx OUT.xlsx | --docx OUT.docx
//                                  the export screen's full view as a spreadsheet or a
//                                  word-processor table (no table for Film.db); exit 0 or 2
//   filmeria-archivi check FILE    record count and damage report; exit 0 clean, 1 problems,
//                                  2 the file cannot be read
//   filmeria-archivi backup DATAFOLDER FILE.zip
//                                  every archive and settings file with a manifest; exit 0 or 2
//   filmeria-archivi restore FILE.zip DATAFOLDER [--sovrascrivi]
//                                  checks the whole backup first; exit 0 restored, 1 refused,
//                                  2 failed
//   filmeria-archivi stampa YEARFILE POSITION [--pdf OUT.pdf]
//                                  prints the slip at POSITION under the letterhead of the
//                                  Tessera.ini beside it; exit 0 printed, 1 no such position,
//                                  2 unreadable file or refused job
#include "platform/numeric_locale.h"
#include "tools/archive_report.h"
#include "tools/backup.h"
#include "tools/office_export.h"
#include "tools/slip_reprint.h"

#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <string>

namespace {

int usage() {
    std::cerr << "usage: filmeria-archivi export|check FILE\n"
                 "       filmeria-archivi export FILE --xlsx OUT.xlsx|--docx OUT.docx\n"
                 "       filmeria-archivi backup DATAFOLDER FILE.zip\n"
                 "       filmeria-archivi restore FILE.zip DATAFOLDER [--sovrascrivi]\n"
                 "       filmeria-archivi stampa YEARFILE POSITION [--pdf OUT.pdf]\n";
    return 2;
}

int reprint(int argc, char** argv) {
    if (argc != 4 && !(argc == 6 && std::string(argv[4]) == "--pdf"))
        return usage();
    // Fonts and printers need a GUI application; without a display it runs off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    filmeria::keepNumbersInCLocale();
    const std::optional<std::string> pdf = argc == 6 ? std::optional<std::string>(argv[5]) : std::nullopt;
    return filmeria::reprintSlip(argv[2], argv[3], pdf, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "stampa")
        return reprint(argc, argv);
    if (argc == 4 && std::string(argv[1]) == "backup")
        return filmeria::backupDataFolder(argv[2], argv[3], std::cerr, std::cerr);
    if ((argc == 4 || (argc == 5 && std::string(argv[4]) == "--sovrascrivi")) &&
        std::string(argv[1]) == "restore")
        return filmeria::restoreDataFolder(argv[2], argv[3], argc == 5, std::cerr, std::cerr);
    if (argc == 5 && std::string(argv[1]) == "export" &&
        (std::string(argv[3]) == "--xlsx" || std::string(argv[3]) == "--docx"))
        return filmeria::exportToOffice(argv[2], argv[4],
                                        std::string(argv[3]) == "--xlsx" ? filmeria::OfficeFormat::Spreadsheet
                                                                         : filmeria::OfficeFormat::Document,
                                        std::cerr);
    if (argc != 3 || (std::string(argv[1]) != "export" && std::string(argv[1]) != "check"))
        return usage();
    const std::string command = argv[1];
    if (command == "export")
        return filmeria::exportArchive(argv[2], std::cout, std::cerr);
    return filmeria::checkArchive(argv[2], std::cout, std::cerr);
}
