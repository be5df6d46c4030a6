#pragma once
// Find in a result list: the next line holding a key, letters compared without case,
// wrapping from the last line to the first. Shared by every search screen.
#include "core/line_list.h"

#include <optional>
#include <string>
#include <string_view>

namespace filmeria {

inline constexpr const char* kListEmpty = "Ricerca non applicabile: la lista non contiene nessuna voce.";

class ListFinder {
public:
    // The line to select for `key` (Windows-1252), given the selected line (-1 for none).
    // A new key starts at line 0 and tests it first; the same key again starts after the
    // selected line. nullopt when no line holds the key (an empty key never matches).
    std::optional<int> find(const LineList& lines, int selected, std::string_view key);
    void forget() { lastKey_.reset(); }

private:
    std::optional<std::string> lastKey_;
};

} // namespace filmeria
