#include "tools/office_export.h"

#include "core/grid_export.h"
#include "core/text_rules.h"
#include "customers/customer_export.h"
#include "films/film_export.h"
#include "platform/office_files.h"
#include "rentals/rental_export.h"

#include <ctime>
#include <filesystem>

namespace filmeria {
namespace {

// " (esportato il dd/mm/yyyy alle hh:mm)", now.
std::string exportMoment() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::strftime(text, sizeof text, " (esportato il %d/%m/%Y alle %H:%M)", &local);
    return text;
}

} // namespace

int exportToOffice(const std::string& archive, const std::string& out, OfficeFormat format,
                   std::ostream& err) {
    if (!std::filesystem::is_regular_file(archive)) {
        err << "impossibile aprire '" << archive << "': il file non esiste\n";
        return 2;
    }
    const std::string lower = asciiLower(archive);
    const auto endsWith = [&](std::string_view tail) {
        return lower.size() >= tail.size() &&
               lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
    };
    try {
        std::optional<TextTable> grid;
        const SpreadsheetCaller* caller = nullptr;
        int columns = 0;
        std::string title; // as the export screen heads its table
        if (endsWith(".pro")) {
            grid = customerExportTable(CustomerArchive(archive, archive + ".tmp"), CustomerExportView::All);
            caller = &kCustomerSheet;
            columns = kCustomerExportColumns;
            title = "Archivio clienti \u2013 Tutti i clienti";
        } else if (endsWith(".nol")) {
            grid = rentalExportTable(RentalArchive(archive, archive + ".tmp"), RentalExportView::All);
            caller = &kRentalSheet;
            columns = 17;
            title = "Archivio noleggi anno " + std::filesystem::path(archive).stem().string() +
                    " \u2013 Tutte le schede";
        } else {
            if (format == OfficeFormat::Document) {
                err << "l'archivio dei film non ha un'esportazione in tabella per videoscrittura (usare "
                       "--xlsx)\n";
                return 2;
            }
            TSQLiteDatabase db(archive);
            if (!db.HasTable("film")) {
                err << "'" << archive << "' non contiene la tabella film\n";
                return 2;
            }
            const auto result = db.Query(AllFilmsQuery().sql);
            grid = filmExportTable(*result);
            caller = &kFilmSheet;
            columns = kFilmExportColumns;
        }
        // An empty archive gives the screen's initial empty grid.
        if (!grid)
            grid = TextTable(10, columns);
        const TextTable& table = *grid; // never copied: a store's grid is tens of megabytes
        if (format == OfficeFormat::Spreadsheet)
            writeSpreadsheet(out, spreadsheetOf(table, *caller));
        else
            writeTableDocument(out, documentTableOf(table, title + exportMoment()));
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace filmeria
