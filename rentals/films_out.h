#pragma once
// Which films are out: a film row of a slip with a rental date and no return date. Gathered
// from every year file of a data folder, nothing stored anywhere else.
#include "core/dates.h"

#include <optional>
#include <string>
#include <vector>

namespace filmeria {

struct FilmOut {
    std::string year;     // of the year file, four digits
    std::string slip;     // NumScheda, trimmed (Windows-1252, as every text below)
    std::size_t position; // of the slip in its year file, from 1
    int row;              // 1 to 10
    std::string code;
    std::string title;
    std::string customer;
    std::string card;
    std::string rented;          // the rental date as written
    std::optional<long> daysOut; // none when the rental date is not a valid date
};

// A row is out when its code or title is not blank, its rental date is not blank and its
// return date is blank. Days out are whole days from the rental date to `today` (0 when rented
// that day). Every year file of the folder (a four-digit name, ".nol") is read under its shared
// lock. The most days out first, then year, slip position and row; rows whose rental date is
// not a date last. Throws ArchiveError when the folder or a year file cannot be read.
std::vector<FilmOut> filmsOut(const std::string& folder, const CivilDate& today);

} // namespace filmeria
