#include "core/text_table.h"

#include "core/text_rules.h"

#include <algorithm>

namespace filmeria {

TextTable::TextTable(int rows, int columns)
    : rows_(rows)
    , columns_(columns) {}

std::string_view TextTable::cell(int row, int column) const {
    const std::size_t index =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    if (row < 0 || column < 0 || column >= columns_ || index >= ends_.size())
        return {};
    const std::uint32_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(bytes_).substr(begin, ends_[index] - begin);
}

void TextTable::append(std::string_view text) {
    bytes_.append(text);
    ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
    const int written = static_cast<int>((ends_.size() + static_cast<std::size_t>(columns_) - 1) /
                                         static_cast<std::size_t>(columns_));
    if (written > rows_)
        rows_ = written;
}

void TextTable::endRow() {
    while (ends_.size() % static_cast<std::size_t>(columns_) != 0)
        ends_.push_back(static_cast<std::uint32_t>(bytes_.size()));
}

void TextTable::setRows(int rows) {
    rows_ = rows;
}

std::string exportCellText(std::string_view text) {
    const std::string_view kept = trimmedView(text);
    if (std::all_of(kept.begin(), kept.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 32 && c != 127; }))
        return std::string(kept); // the usual cell: nothing inside to remove
    std::string out;
    out.reserve(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        const char c = kept[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < kept.size() && kept[i + 1] == '\n')
                ++i;
            out += '\n';
        } else if (static_cast<unsigned char>(c) >= 32 && c != 127) {
            out += c;
        }
    }
    return out;
}

} // namespace filmeria
