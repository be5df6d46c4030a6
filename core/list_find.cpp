#include "core/list_find.h"

#include "core/text_rules.h"

#include <algorithm>

namespace filmeria {

void sortListLines(std::vector<std::string>& lines) {
    const auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
    std::stable_sort(lines.begin(), lines.end(), [&](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
            return fold(static_cast<unsigned char>(x)) < fold(static_cast<unsigned char>(y));
        });
    });
}

std::optional<int> ListFinder::find(const std::vector<std::string>& lines, int selected,
                                    std::string_view key) {
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
