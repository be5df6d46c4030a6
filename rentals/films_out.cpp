#include "rentals/films_out.h"

#include "core/posix_file.h"
#include "core/text_rules.h"
#include "rentals/rental_file.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>

namespace filmeria {
namespace {

// The years of the folder's year files, in order.
std::vector<std::string> yearsIn(const std::string& folder) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        failOnFile("impossibile leggere la cartella", folder, errno);
    std::vector<std::string> years;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name.size() == 8 &&
            std::all_of(name.begin(), name.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }) &&
            asciiLower(name.substr(4)) == ".nol")
            years.push_back(name.substr(0, 4));
    }
    std::sort(years.begin(), years.end());
    return years;
}

} // namespace

std::vector<FilmOut> filmsOut(const std::string& folder, const CivilDate& today) {
    std::vector<FilmOut> out;
    const long todayDays = daysFromCivil(today);
    for (const std::string& year : yearsIn(folder)) {
        yearArchive(folder, year).scan([&](const RentalView& slip, std::size_t position) {
            for (int row = 1; row <= kSlipRows; ++row) {
                const std::string_view code = trimmedView(slip.stored(RowField::Codice, row));
                const std::string_view title = trimmedView(slip.stored(RowField::Titolo, row));
                const std::string_view rented = trimmedView(slip.stored(RowField::Prestito, row));
                const std::string_view returned = trimmedView(slip.stored(RowField::Riconsegna, row));
                if ((code.empty() && title.empty()) || rented.empty() || !returned.empty())
                    continue;
                std::optional<long> days;
                if (const std::optional<CivilDate> date = parseDate(rented))
                    days = todayDays - daysFromCivil(*date);
                out.push_back({year, std::string(trimmedView(slip.stored(SlipField::NumScheda))), position,
                               row, std::string(code), std::string(title),
                               std::string(trimmedView(slip.stored(SlipField::Cliente))),
                               std::string(trimmedView(slip.stored(SlipField::Tessera))), std::string(rented),
                               days});
            }
            return true;
        });
    }
    std::stable_sort(out.begin(), out.end(), [](const FilmOut& a, const FilmOut& b) {
        if (a.daysOut.has_value() != b.daysOut.has_value())
            return a.daysOut.has_value();
        if (a.daysOut != b.daysOut)
            return *a.daysOut > *b.daysOut;
        return false; // gathered by year, position and row already
    });
    return out;
}

} // namespace filmeria
