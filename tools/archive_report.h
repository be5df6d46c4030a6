#pragma once
// The work of the archive command-line companion, kept apart from main() so it can be tested.
#include <ostream>
#include <string>

namespace filmeria {

// Writes the archive as CSV: a header row of the field names, then one row per record, values
// converted from Windows-1252 to UTF-8. Returns the exit code (0, or 2 when unreadable).
int exportArchive(const std::string& path, std::ostream& out, std::ostream& err);

// Reports record count, a trailing fragment, length bytes beyond their field's capacity, paid
// flags other than "si"/"no" and amounts (slip totals, row prices and amounts, film prices) the
// program would not have written. Returns 0 when clean, 1 with problems, 2 when unreadable.
int checkArchive(const std::string& path, std::ostream& out, std::ostream& err);

} // namespace filmeria
