#pragma once
// The export grid's texts, kept compactly: one buffer of bytes (Windows-1252) and the end of
// each cell, row by row from (0, 0). Rows past the last written cell are empty, so a grid of
// listed rows followed by empty ones stores only the listed ones.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace filmeria {

class TextTable {
public:
    TextTable() = default;
    // An empty grid of `rows` × `columns` cells.
    TextTable(int rows, int columns);

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    std::string_view cell(int row, int column) const;

    // Writes the next cell, row by row; the grid grows to hold it.
    void append(std::string_view text);
    // Ends the current row: the cells left in it stay empty.
    void endRow();
    // The row count; rows beyond the written cells are empty.
    void setRows(int rows);

private:
    int rows_ = 0;
    int columns_ = 0;
    std::string bytes_;
    std::vector<std::uint32_t> ends_; // end of each written cell in bytes_
};

// A value as an export cell shows it: blanks and control characters around it removed,
// control characters inside it removed too, except line breaks, which stay as line feeds.
std::string exportCellText(std::string_view text);

} // namespace filmeria
