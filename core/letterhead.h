#pragma once
// The store's three letterhead lines, kept in Tessera.ini beside the archives (section
// "Dati Filmeria", keys "Rigo 1" to "Rigo 3"): printed on the rental slips and the
// membership cards.
#include <array>
#include <string>

namespace filmeria {

using Letterhead = std::array<std::string, 3>; // Windows-1252

std::string letterheadPath(const std::string& folder);

// The three lines, trimmed; a missing or unreadable file or key gives an empty line.
Letterhead readLetterhead(const std::string& folder);

// Writes all three lines, trimmed, creating the file when missing; throws ArchiveError.
void writeLetterhead(const std::string& folder, const Letterhead& lines);

} // namespace filmeria
