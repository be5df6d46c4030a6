// filmeria-archivi: the archive companion of Filmeria Pro, for scripts and support: exports,
// checks, backups, restores and reprints of the store's archives. It speaks Italian, as the
// program does; the usage text below is its manual in short (see also filmeria-archivi(1)).
#include "core/posix_file.h"
#include "platform/numeric_locale.h"
#include "tools/archive_report.h"
#include "tools/backup.h"
#include "tools/office_export.h"
#include "tools/slip_reprint.h"

#include <QGuiApplication>

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "Uso: filmeria-archivi COMANDO ARGOMENTI\n"
    "Esporta, verifica, copia, ripristina e ristampa gli archivi di Filmeria Pro.\n"
    "\n"
    "Comandi:\n"
    "  export FILE                   scrive l'archivio (Clienti.pro, un file anno .nol o Film.db)\n"
    "                                come CSV in UTF-8 sull'uscita standard\n"
    "  export FILE --xlsx OUT.xlsx   scrive la vista completa della schermata di esportazione come\n"
    "                                foglio di calcolo\n"
    "  export FILE --docx OUT.docx   ... come tabella per videoscrittura (clienti e noleggi)\n"
    "  check FILE                    conta i record e segnala i danni: lunghezze oltre la capacità,\n"
    "                                frammenti, campi Saldato, importi non scritti dal programma,\n"
    "                                locandine illeggibili\n"
    "  backup CARTELLA FILE.zip      copia di sicurezza di archivi e impostazioni, con un indice\n"
    "                                di dimensioni e SHA-256\n"
    "  restore FILE.zip CARTELLA [--sovrascrivi]\n"
    "                                verifica l'intera copia, poi ripristina; senza --sovrascrivi\n"
    "                                non tocca gli archivi esistenti, con --sovrascrivi li conserva\n"
    "                                in una sottocartella datata\n"
    "  stampa FILEANNO POSIZIONE [--pdf OUT.pdf]\n"
    "                                ristampa la scheda alla POSIZIONE del file anno (es. 2009.nol)\n"
    "                                con l'intestazione del Tessera.ini accanto, sulla stampante\n"
    "                                predefinita o in un file PDF\n"
    "  in-noleggio CARTELLA [--al gg/mm/aaaa]\n"
    "                                elenca i film in noleggio (con la data di noleggio e senza\n"
    "                                quella di riconsegna) di tutti i file anno della cartella,\n"
    "                                con i giorni trascorsi, separati da \";\"\n"
    "  --help                        mostra questo testo\n"
    "  --version                     mostra la versione\n"
    "\n"
    "Codici di uscita: 0 riuscito; 1 problemi trovati (check), file non salvati perché illeggibili\n"
    "(backup), copia rifiutata (restore) o posizione inesistente (stampa); 2 file illeggibile,\n"
    "scrittura o stampa non riuscita, uso errato.\n";

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

int exportCommand(const std::vector<std::string>& args) {
    if (args.size() == 2)
        return filmeria::exportArchive(args[1], std::cout, std::cerr);
    if (args.size() == 4 && (args[2] == "--xlsx" || args[2] == "--docx"))
        return filmeria::exportToOffice(args[1], args[3],
                                        args[2] == "--xlsx" ? filmeria::OfficeFormat::Spreadsheet
                                                            : filmeria::OfficeFormat::Document,
                                        std::cerr);
    return usageError("uso: filmeria-archivi export FILE [--xlsx OUT.xlsx | --docx OUT.docx]");
}

} // namespace

int main(int argc, char** argv) {
    // A write beyond the file-size limit fails with a message, as in the program.
    filmeria::ignoreFileSizeSignal();
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    if (args.empty())
        return usageError("manca il comando");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--version") {
        std::cout << "filmeria-archivi (Filmeria Pro) " << FILMERIA_VERSION << "\n";
        return 0;
    }
    if (command == "stampa")
        return reprint(argc, argv, args);
    if (command == "export")
        return exportCommand(args);
    if (command == "check") {
        if (args.size() != 2)
            return usageError("uso: filmeria-archivi check FILE");
        return filmeria::checkArchive(args[1], std::cout, std::cerr);
    }
    if (command == "in-noleggio") {
        if (args.size() == 2)
            return filmeria::reportFilmsOut(args[1], {}, std::cout, std::cerr);
        if (args.size() == 4 && args[2] == "--al")
            return filmeria::reportFilmsOut(args[1], args[3], std::cout, std::cerr);
        return usageError("uso: filmeria-archivi in-noleggio CARTELLA [--al gg/mm/aaaa]");
    }
    if (command == "backup") {
        if (args.size() != 3)
            return usageError("uso: filmeria-archivi backup CARTELLA FILE.zip");
        return filmeria::backupDataFolder(args[1], args[2], std::cerr, std::cerr);
    }
    if (command == "restore") {
        if (args.size() != 3 && !(args.size() == 4 && args[3] == "--sovrascrivi"))
            return usageError("uso: filmeria-archivi restore FILE.zip CARTELLA [--sovrascrivi]");
        return filmeria::restoreDataFolder(args[1], args[2], args.size() == 4, std::cerr, std::cerr);
    }
    return usageError("comando sconosciuto \"" + command + "\"");
}
