#pragma once
// Widths of texts in Arial (and Liberation Sans, which has Arial's metrics), the font of the
// word-processor tables, so their columns can be sized to their content without a display.
#include <string_view>

namespace filmeria {

// The width in points of a UTF-8 text set in Arial at `points`, measured as the program writes
// it (Windows-1252).
double arialTextWidth(std::string_view utf8, double points, bool bold);

} // namespace filmeria
