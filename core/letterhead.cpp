#include "core/letterhead.h"

#include "core/posix_file.h"
#include "core/profile_strings.h"
#include "core/text_rules.h"

namespace filmeria {
namespace {

constexpr const char* kSection = "Dati Filmeria";
constexpr const char* kKeys[] = {"Rigo 1", "Rigo 2", "Rigo 3"};

} // namespace

std::string letterheadPath(const std::string& folder) {
    return trimmed(folder + "Tessera.ini");
}

Letterhead readLetterhead(const std::string& folder) {
    Letterhead lines;
    try {
        for (std::size_t i = 0; i < lines.size(); ++i)
            lines[i] = trimmed(readProfileString(letterheadPath(folder), kSection, kKeys[i]));
    } catch (const ArchiveError&) {
        // A letterhead that cannot be read prints empty lines; nothing is reported for it.
        lines = {};
    }
    return lines;
}

void writeLetterhead(const std::string& folder, const Letterhead& lines) {
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t i = 0; i < lines.size(); ++i)
        values.emplace_back(kKeys[i], trimmed(lines[i]));
    writeProfileStrings(letterheadPath(folder), kSection, values);
}

} // namespace filmeria
