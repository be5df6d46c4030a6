#pragma once
// The export grid's texts, kept compactly: one buffer of bytes (Windows-1252) and the end of
// each cell, row by row from (0, 0). Rows past the last written cell are empty, so a grid of
// listed rows followed by empty ones stores only the listed ones.
#include "core/large_buffer_allocator.h"
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

    // Room for `rows` rows of cells at once.
    void reserveRows(int rows) {
        ends_.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns_));
    }
    // Writes the next cell, row by row; the grid grows to hold it.
    void append(std::string_view text);
    // Ends the current row: the cells left in it stay empty.
    void endRow();
    // The row count; rows beyond the written cells are empty.
    void setRows(int rows);

private:
    int rows_ = 0;
    int columns_ = 0;
    // Mapped on their own when large: the room a doubling leaves unused is never touched, so the
    // grid's memory is its text, however it grew.
    std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>> bytes_;
    std::vector<std::uint32_t, LargeBufferAllocator<std::uint32_t>> ends_; // end of each cell in bytes_
};

// A value as an export cell shows it: blanks and control characters around it removed,
// control characters inside it removed too, except line breaks, which stay as line feeds.
std::string exportCellText(std::string_view text);

} // namespace filmeria
