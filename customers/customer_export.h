#pragma once
// The customer archive export's views: every customer, or those with a home telephone, an
// e-mail address or notes, as the 19 columns of the export grid.
#include "core/text_table.h"
#include "customers/customer_file.h"

#include <array>
#include <optional>
#include <string>

namespace filmeria {

enum class CustomerExportView { All, HomePhone, Email, Notes };

inline constexpr int kCustomerExportColumns = 19;
// The widths of the 19 columns, in pixels.
inline constexpr std::array<int, kCustomerExportColumns> kCustomerExportWidths = {
    50, 250, 250, 60, 180, 50, 120, 200, 150, 120, 150, 130, 220, 150, 150, 150, 150, 200, 400};

// The grid of a view: headings, then the listed customers numbered 1, 2, …, then empty rows
// up to the number of customers in the file. nullopt when the file holds no customer (the
// grid stays as it was). Throws ArchiveError.
std::optional<TextTable> customerExportTable(const std::string& folder, CustomerExportView view);
std::optional<TextTable> customerExportTable(const CustomerArchive& archive, CustomerExportView view);

} // namespace filmeria
