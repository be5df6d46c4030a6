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

// The films out in every year file of `folder` (see filmsOut), as of `at` ("dd/mm/yyyy"; today
// when empty), one line each with ";" between the fields after the heading
// "Anno;Scheda;Posizione;Riga;Codice;Titolo;Cliente;Tessera;Prestito;Giorni", in UTF-8; a ";" or a
// line break inside a text becomes a blank. 0, or 2 when the folder or a year file cannot be read
// or the date is not one.
int reportFilmsOut(const std::string& folder, const std::string& at, std::ostream& out, std::ostream& err);

// `statistiche`: the monthly takings of a year file as text, ';' between fields (the table of
// monthlyTable), the slips counted apart named on `err`. 0, or 2 for a folder or year file that
// cannot be read or a year that is not four digits.
int reportStatistics(const std::string& folder, const std::string& year, std::ostream& out,
                     std::ostream& err);

} // namespace filmeria
