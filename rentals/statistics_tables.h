#pragma once
// The tables behind the statistics' charts, as the screen shows them and the workbook and the
// printout hold them: the months beside the year before, the films and customers at the top,
// the weekdays, and the slips counted apart. Texts are UTF-8; amounts as the program writes
// them ("23,49").
#include "core/office_documents.h"
#include "rentals/rental_statistics.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace filmeria {

inline constexpr std::array<const char*, 12> kMonthNames = {"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                                            "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                                            "Settembre", "Ottobre",  "Novembre", "Dicembre"};
inline constexpr std::array<const char*, 7> kWeekdayNames = {"Lunedì",  "Martedì", "Mercoledì", "Giovedì",
                                                             "Venerdì", "Sabato",  "Domenica"};

// The charts' colours, on the screen and on paper: this year dark, the year before light; paid
// green, still owed orange.
inline constexpr std::uint32_t kYearColour = 0x1F4E79;
inline constexpr std::uint32_t kBeforeColour = 0x9DC3E6;
inline constexpr std::uint32_t kPaidColour = 0x70AD47;
inline constexpr std::uint32_t kUnpaidColour = 0xED7D31;

struct StatisticsTable {
    std::string name; // the chart's and the sheet's
    TextGrid rows;    // row 0 the headings
    std::vector<ColumnKind> kinds;
};

enum StatisticsTableId : std::size_t { Months, TopFilms, TopCustomers, Weekdays, SlipsApart };

// The tables of `year`, its months beside those of `before` (the year before). The table of
// the slips apart is the last, and there only when there are any.
std::vector<StatisticsTable> statisticsTables(const YearStatistics& year, const YearStatistics& before);

// A count of slips in words: "1 scheda", "3 schede".
std::string slipCountText(long slips);

// The workbook of the tables, a sheet each, the months' with a chart of the takings of both years.
Workbook statisticsWorkbook(const std::vector<StatisticsTable>& tables);

// The months' table's columns.
enum MonthColumn : std::size_t { MonthName, Slips, Films, Takings, Paid, Unpaid, TakingsBefore };

} // namespace filmeria
