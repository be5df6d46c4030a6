#pragma once
// Reprinting a slip from the command line, through the same drawing as the slip screen.
#include <optional>
#include <ostream>
#include <string>

namespace filmeria {

// Prints the slip at `position` (1-based, decimal) of the year file `yearFile`, under the
// letterhead of the Tessera.ini in the same folder: into the PDF file `pdf` when given, else
// on the default printer (or, with no printer installed, as a PDF in the folder's Stampe).
// Returns 0 when printed, 1 for a position outside the file, 2 for a file that cannot be read
// or a printer that refuses the job.
int reprintSlip(const std::string& yearFile, const std::string& position,
                const std::optional<std::string>& pdf, std::ostream& out, std::ostream& err);

} // namespace filmeria
