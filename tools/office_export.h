#pragma once
// The export screens' full view of an archive written from the command line, through the
// same office code.
#include <ostream>
#include <string>

namespace filmeria {

enum class OfficeFormat { Spreadsheet, Document };

// Writes the full view of `archive` (a customer file .pro, a year file .nol or Film.db) into
// `out` as a spreadsheet or a word-processor table (customers and rentals only). Returns 0,
// or 2 for an archive that cannot be read or an export the archive has not.
int exportToOffice(const std::string& archive, const std::string& out, OfficeFormat format,
                   std::ostream& err);

} // namespace filmeria
