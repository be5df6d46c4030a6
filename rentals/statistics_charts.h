#pragma once
// The statistics' charts, drawn with Qt Charts from the figures of a year and of the year
// before: Italian month and day names, amounts in euros with the Italian decimal comma.
#include "rentals/rental_statistics.h"

class QChart;

namespace filmeria {

QChart* takingsChart(const YearStatistics& year, const YearStatistics& before);
QChart* paidChart(const YearStatistics& year);
QChart* topFilmsChart(const YearStatistics& year);
QChart* topCustomersChart(const YearStatistics& year);
QChart* weekdaysChart(const YearStatistics& year);

} // namespace filmeria
