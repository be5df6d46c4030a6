#pragma once
// The layout of a word-processor table sized to its content: a font size and a width for each
// column, so that the table fits the page's text width and no cell breaks inside a word.
#include "core/office_documents.h"

#include <vector>

namespace filmeria {

struct TableLayout {
    double fontPoints = 9;        // of every cell, from 9 down to 7 in half points
    std::vector<int> columnTwips; // widths in twentieths of a point, cell margins included
};

// Every cell's side margin, in twips, which the widths include twice.
inline constexpr int kTableCellMarginTwips = 40; // 2 points

// Row 0 holds the headings, set in bold. At the largest size at which every column can be as
// wide as its longest line, each column is; else, at the largest size at which every column can
// be as wide as its longest word, each column gets its longest word and a share of the room
// left in proportion to what its longest line needs more; else (words too long even at 7
// points) the longest words at 7 points, narrowed to the width.
TableLayout fitTableToWidth(const TextGrid& grid, int textWidthTwips);

} // namespace filmeria
