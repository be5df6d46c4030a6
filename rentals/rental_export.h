#pragma once
// The rental archive export's views of one year: every slip, the paid ones, the unpaid ones
// (17 columns), or every slip without its films (7 columns).
#include "core/text_table.h"
#include "rentals/rental_file.h"

#include <optional>
#include <string>
#include <vector>

namespace filmeria {

enum class RentalExportView { All, Paid, NotPaid, WithoutFilms };

// The widths of the view's columns, in pixels.
std::vector<int> rentalExportWidths(RentalExportView view);

// The grid of a view: headings, the listed slips numbered 1, 2, …, then empty rows up to the
// number of slips in the file. nullopt when the file holds no slip. Throws ArchiveError.
std::optional<TextTable> rentalExportTable(const std::string& folder, const std::string& year,
                                           RentalExportView view);
std::optional<TextTable> rentalExportTable(const RentalArchive& archive, RentalExportView view);

} // namespace filmeria
