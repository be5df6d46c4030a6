#pragma once
// The statistics printed on A4: the charts of the screen drawn as bars, then their tables.
#include "core/print_canvas.h"
#include "rentals/rental_statistics.h"
#include "rentals/statistics_tables.h"

#include <string>
#include <vector>

namespace filmeria {

// `printedAt` ("dd/mm/yyyy hh:mm") is told at the foot of the first page.
void printStatistics(PrintCanvas& canvas, const YearStatistics& year, const YearStatistics& before,
                     const std::vector<StatisticsTable>& tables, const std::string& printedAt);

} // namespace filmeria
