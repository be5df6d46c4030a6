#include "rentals/rental_file.h"

#include "core/text_rules.h"

namespace filmeria {

std::string yearFilePath(const std::string& folder, const std::string& year) {
    return trimmed(folder + trimmed(year) + ".nol");
}

std::string rentalTempPath(const std::string& folder) {
    return trimmed(folder + "Noleggi.tmp");
}

RentalArchive yearArchive(const std::string& folder, const std::string& year) {
    return RentalArchive(yearFilePath(folder, year), rentalTempPath(folder));
}

std::string NextSlipNumber(const RentalArchive& archive) {
    return std::to_string(archive.count() + 1);
}

} // namespace filmeria
