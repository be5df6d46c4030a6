// filmeria-archivi: the archive companion of Filmeria Pro, for scripts and support: exports,
// checks, backups, restores and reprints of the store's archives. It speaks Italian, as the
// program does; the usage text below is its manual in short (see also filmeria-archivi(1)).
#include "core/posix_file.h"
#include "core/text_rules.h"
#include "tools/archive_report.h"
#include "tools/backup.h"

#include <climits>
#include <unistd.h>

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
    "  statistiche CARTELLA ANNO     incassi del file anno mese per mese (schede, film, incasso,\n"
    "                                saldato, da saldare), separati da \";\"\n"
    "  --help                        mostra questo testo\n"
    "  --version                     mostra la versione\n"
    "\n"
    "Codici di uscita: 0 riuscito; 1 problemi trovati (check), file non salvati perché illeggibili\n"
    "(backup), copia rifiutata (restore) o posizione inesistente (stampa); 2 file illeggibile,\n"
    "scrittura o stampa non riuscita, uso errato.\n";

constexpr const char* kPrintingTool = "filmeria-archivi-stampa";

int usageError(const std::string& why) {
    std::cerr << "filmeria-archivi: " << why << "\n"
              << "Usare \"filmeria-archivi --help\" per l'elenco dei comandi.\n";
    return 2;
}

// Printing and office files need the toolkit's graphics and the printing system, which take
// longer to load than a check takes to run: those commands are a program of their own beside
// this one, which it becomes (same arguments, same output and exit status).
int runPrintingCommands(char** argv) {
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0)
        return usageError("impossibile trovare il programma di stampa");
    const std::string folder =
        filmeria::folderOfExecutable(std::string_view(executable, static_cast<std::size_t>(length)));
    // Beside the companion; in the installed layout (bin/ and lib/); below the top of the build tree.
    for (const std::string& candidate :
         {folder + kPrintingTool, folder + "../" + FILMERIA_PRIVATE_LIBDIR + kPrintingTool,
          folder + FILMERIA_PRIVATE_LIBDIR + kPrintingTool}) {
        if (::access(candidate.c_str(), X_OK) == 0) {
            ::execv(candidate.c_str(), argv);
            std::cerr << "filmeria-archivi: impossibile avviare " << candidate << ": "
                      << filmeria::systemErrorText(errno) << "\n";
            return 2;
        }
    }
    std::cerr << "filmeria-archivi: manca il programma di stampa " << kPrintingTool
              << " (si reinstalli Filmeria Pro)\n";
    return 2;
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
    if (command == "stampa" || (command == "export" && args.size() != 2))
        return runPrintingCommands(argv);
    if (command == "export")
        return filmeria::exportArchive(args[1], std::cout, std::cerr);
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
    if (command == "statistiche") {
        if (args.size() != 3)
            return usageError("uso: filmeria-archivi statistiche CARTELLA ANNO");
        return filmeria::reportStatistics(args[1], args[2], std::cout, std::cerr);
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
