#pragma once
// The returns desk's list: the films out, each with its customer's telephone numbers (looked up
// by card number in the customer archive) and whether it is late, filtered by what the clerk
// types; and the number of days after which a film is late, kept in the store's settings.
#include "rentals/films_out.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace filmeria {

inline constexpr int kDefaultLateDays = 3;

// One line of the desk; its texts are views into the desk that gave it.
struct FilmOutLine {
    FilmOut film;
    std::string_view phones; // home, office, mobile, the ones given, " - " between (Windows-1252)
    bool late = false;       // more days out than the store allows
};

struct ReturnsDesk {
    FilmsOut films; // in the order of filmsOut
    int lateDays = kDefaultLateDays;
    std::size_t late = 0;

    std::size_t size() const { return films.size(); }
    FilmOutLine line(std::size_t i) const;
    // Marks late again the films out more than `days` days, and counts them.
    void setLateDays(int days);

    std::vector<char> phoneTexts;                                  // every card's telephone numbers, once
    std::vector<std::pair<std::uint32_t, std::uint32_t>> phonesOf; // per film: where in phoneTexts, how long
};

// The films out of the folder on `today`; late when out more than `lateDays` days. A customer
// archive that is missing leaves the telephone numbers empty. Throws ArchiveError when an
// archive cannot be read.
ReturnsDesk returnsDesk(const std::string& folder, const CivilDate& today, int lateDays);

// True when `text` (trimmed, letters without case) is part of the film's code or title, the
// customer's name or the card number; an empty text matches every line.
bool matchesReturnsFilter(const FilmOutLine& line, std::string_view text);

// The line the list shows (Windows-1252, columns padded): days out, "RITARDO" for a late film,
// rental date, code, title, customer, card and telephones. Appended to `text`.
void appendReturnsDeskLine(std::string& text, const FilmOutLine& line);
std::string returnsDeskLine(const FilmOutLine& line);

// The days after which a film is late, from the store's Tessera.ini (section "Rientri", key
// "Giorni di ritardo"); kDefaultLateDays when missing or not a whole number from 0 to 999.
int lateDaysSetting(const std::string& folder);
// Keeps `days` there; throws ArchiveError when the file cannot be written.
void setLateDaysSetting(const std::string& folder, int days);

} // namespace filmeria
