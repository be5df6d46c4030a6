#include "core/table_layout.h"

#include "core/text_width.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace filmeria {
namespace {

// What a column needs at one point of font size: its longest line and its longest word.
struct ColumnNeed {
    double line = 0;
    double word = 0;
};

void measure(std::string_view text, bool bold, ColumnNeed& need) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n')
            continue;
        const std::string_view line = text.substr(start, i - start);
        need.line = std::max(need.line, arialTextWidth(line, 1, bold));
        std::size_t wordStart = 0;
        for (std::size_t k = 0; k <= line.size(); ++k) {
            if (k < line.size() && line[k] != ' ')
                continue;
            need.word = std::max(need.word, arialTextWidth(line.substr(wordStart, k - wordStart), 1, bold));
            wordStart = k + 1;
        }
        start = i + 1;
    }
}

int twips(double points) {
    return static_cast<int>(points * 20 + 0.999);
}

} // namespace

TableLayout fitTableToWidth(const TextGrid& grid, int textWidthTwips) {
    std::size_t columns = 0;
    for (const auto& row : grid)
        columns = std::max(columns, row.size());
    std::vector<ColumnNeed> needs(columns);
    for (std::size_t r = 0; r < grid.size(); ++r)
        for (std::size_t c = 0; c < grid[r].size(); ++c)
            measure(grid[r][c], r == 0, needs[c]);

    // Widths at a size: the text's, the two cell margins and a point for the borders and rounding.
    const auto widths = [&](double points, bool wholeLines) {
        std::vector<int> out;
        out.reserve(needs.size());
        for (const ColumnNeed& need : needs)
            out.push_back(twips((wholeLines ? need.line : need.word) * points + 1) +
                          2 * kTableCellMarginTwips);
        return out;
    };
    const auto total = [](const std::vector<int>& w) { return std::accumulate(w.begin(), w.end(), 0); };
    constexpr double kSizes[] = {9, 8.5, 8, 7.5, 7};
    for (const double points : kSizes) {
        if (std::vector<int> lines = widths(points, true); total(lines) <= textWidthTwips)
            return {points, lines};
    }
    for (const double points : kSizes) {
        std::vector<int> words = widths(points, false);
        const int wordsTotal = total(words);
        if (wordsTotal > textWidthTwips)
            continue;
        const std::vector<int> lines = widths(points, true);
        const double wanted = total(lines) - wordsTotal;
        const double room = textWidthTwips - wordsTotal;
        for (std::size_t c = 0; c < columns; ++c)
            words[c] += static_cast<int>((lines[c] - words[c]) * room / wanted);
        return {points, words};
    }
    std::vector<int> words = widths(7, false);
    const double scale = static_cast<double>(textWidthTwips) / std::max(1, total(words));
    for (int& w : words)
        w = static_cast<int>(w * scale);
    return {7, words};
}

} // namespace filmeria
