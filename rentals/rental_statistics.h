#pragma once
// The takings of a year, from its year file: per month and for the year, the most rented films,
// the customers who come back most, rentals by weekday. A slip whose date is not a date of that
// year, or whose total is not an amount, is counted on a line of its own and named in a warning.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace filmeria {

// Amounts are in cents, summed exactly.
struct PeriodFigures {
    long slips = 0;
    long films = 0;           // rows with a code or a title
    std::int64_t takings = 0; // the slips' totals
    std::int64_t paid = 0;    // of the slips marked paid
    std::int64_t unpaid = 0;  // of the slips marked not paid
    void add(const PeriodFigures& other);
};

struct RankedFilm {
    std::string code;  // as the first slip wrote it (Windows-1252)
    std::string title; // from Film.db where the code is found, else from the first slip
    long rentals = 0;
};

struct RankedCustomer {
    std::string card;
    std::string name; // from the first slip with the card
    long slips = 0;
    std::int64_t takings = 0;
};

inline constexpr std::size_t kTopCount = 10;

struct YearStatistics {
    int year = 0;
    std::array<PeriodFigures, 12> months{};
    PeriodFigures other;                      // "Altro": the slips with no date of the year or no valid total
    PeriodFigures total;                      // the months and "Altro"
    std::vector<RankedFilm> topFilms;         // most rentals first, then code
    std::vector<RankedCustomer> topCustomers; // most slips first, then card
    std::array<long, 7> filmsByWeekday{};     // films rented on the slips' dates, Monday first
    std::vector<std::string> warnings;        // one line per slip in "Altro" (UTF-8)
};

// The figures of `year` from the year file of `folder`; a missing year file gives zeros.
// Throws ArchiveError when the year file (or the folder) cannot be read.
YearStatistics yearStatistics(const std::string& folder, int year);

// Cents as the program writes amounts: "23,49", "0,00".
std::string amountText(std::int64_t cents);

// The companion's table: heading "Mese;Schede;Film;Incasso;Saldato;Da saldare", the twelve
// months "01" to "12", "Totale", and "Altro" when there is any.
std::string monthlyTable(const YearStatistics& figures);

} // namespace filmeria
