// filmeria-archivi-stampa: the companion's commands that print or write office files, started
// by filmeria-archivi with its own arguments (stampa ..., export FILE --xlsx|--docx OUT), so the
// companion's other commands start without loading graphics and printing.
#include "core/posix_file.h"
#include "platform/numeric_locale.h"
#include "tools/office_export.h"
#include "tools/slip_reprint.h"

#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

int usageError(const std::string& why) {
    std::cerr << "filmeria-archivi: " << why << "\n"
              << "Usare \"filmeria-archivi --help\" per l'elenco dei comandi.\n";
    return 2;
}

int reprint(int argc, char** argv, const std::vector<std::string>& args) {
    if (args.size() != 3 && !(args.size() == 5 && args[3] == "--pdf"))
        return usageError("uso: filmeria-archivi stampa FILEANNO POSIZIONE [--pdf OUT.pdf]");
    // Fonts and printers need a GUI application; without a display it runs off screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    filmeria::keepNumbersInCLocale();
    const std::optional<std::string> pdf =
        args.size() == 5 ? std::optional<std::string>(args[4]) : std::nullopt;
    return filmeria::reprintSlip(args[1], args[2], pdf, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    filmeria::ignoreFileSizeSignal();
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (!args.empty() && args[0] == "stampa")
        return reprint(argc, argv, args);
    if (args.size() == 4 && args[0] == "export" && (args[2] == "--xlsx" || args[2] == "--docx"))
        return filmeria::exportToOffice(args[1], args[3],
                                        args[2] == "--xlsx" ? filmeria::OfficeFormat::Spreadsheet
                                                            : filmeria::OfficeFormat::Document,
                                        std::cerr);
    return usageError("uso: filmeria-archivi export FILE [--xlsx OUT.xlsx | --docx OUT.docx]");
}
