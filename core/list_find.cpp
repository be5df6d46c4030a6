#include "core/list_find.h"

#include "core/text_rules.h"

namespace filmeria {

std::optional<int> ListFinder::find(const LineList& lines, int selected, std::string_view key) {
    if (lines.empty())
        return std::nullopt;
    const int count = static_cast<int>(lines.size());
    if (selected < 0 || selected >= count)
        selected = 0;
    const std::string folded = asciiLower(key);
    const bool sameKey = lastKey_ && *lastKey_ == folded;
    lastKey_ = folded;
    if (folded.empty())
        return std::nullopt;
    const int start = sameKey ? selected : 0;
    int line = sameKey ? (start + 1) % count : start;
    for (int tested = 0; tested < count; ++tested) {
        if (containsIgnoringAsciiCase(lines[static_cast<std::size_t>(line)], folded))
            return line;
        line = (line + 1) % count;
    }
    return std::nullopt;
}

} // namespace filmeria
