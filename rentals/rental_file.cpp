#include "rentals/rental_file.h"

#include "core/text_rules.h"

#include <charconv>
#include <optional>
#include <unordered_set>

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

namespace {

// The value of a slip number made only of digits (blanks around it allowed).
std::optional<unsigned long long> slipNumberValue(std::string_view text) {
    text = trimmedView(text);
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

SavedSlip appendNewSlip(const RentalArchive& archive, RentalRecord slip, const std::string& proposed) {
    return archive.locked([&](RecordFile& file) {
        SavedSlip saved;
        const auto wanted = slipNumberValue(slip[SlipField::NumScheda]);
        if (wanted && trimmed(slip[SlipField::NumScheda]) == trimmed(proposed)) {
            std::unordered_set<unsigned long long> taken;
            file.scan([&](std::span<const char> bytes, std::size_t) {
                if (const auto n = slipNumberValue(RentalView(bytes).stored(SlipField::NumScheda)))
                    taken.insert(*n);
                return true;
            });
            unsigned long long number = *wanted;
            while (taken.contains(number))
                ++number;
            if (number != *wanted) {
                slip[SlipField::NumScheda] = std::to_string(number);
                saved.renumbered = true;
            }
        }
        saved.number = slip[SlipField::NumScheda];
        saved.position = file.append(slip.encode());
        return saved;
    });
}

} // namespace filmeria
