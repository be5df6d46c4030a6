#pragma once
// Date texts "dd/mm/yyyy", the program's only date form.
#include <optional>
#include <string>
#include <string_view>

namespace filmeria {

struct CivilDate {
    int year;
    int month;
    int day;
    bool operator==(const CivilDate&) const = default;
};

// Days since 1970-01-01 of a calendar date (proleptic Gregorian).
long daysFromCivil(const CivilDate& date);
bool isValidDate(const CivilDate& date);

// Reads "d/m/yyyy" with one or two digits for day and month and four for the year,
// blanks around tolerated; nullopt for anything else or an impossible date.
std::optional<CivilDate> parseDate(std::string_view text);
std::string formatDate(const CivilDate& date); // "dd/mm/yyyy"

} // namespace filmeria
