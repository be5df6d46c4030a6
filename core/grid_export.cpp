#include "core/grid_export.h"

#include "core/windows1252.h"

namespace filmeria {

Spreadsheet spreadsheetOf(const TextTable& grid, const SpreadsheetCaller& caller) {
    Spreadsheet sheet{
        caller.sheetName, {}, caller.boldFirstColumn, caller.boldLastColumn, caller.fittedColumns};
    sheet.cells.reserve(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r) {
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(grid.columns()));
        for (int c = 0; c < grid.columns(); ++c)
            row.push_back(utf8FromCp1252(exportCellText(grid.cell(r, c))));
        sheet.cells.push_back(std::move(row));
    }
    return sheet;
}

TextGrid documentTableOf(const TextTable& grid) {
    TextGrid table;
    table.reserve(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r) {
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(grid.columns()));
        for (int c = 0; c < grid.columns(); ++c)
            row.push_back(utf8FromCp1252(grid.cell(r, c)));
        table.push_back(std::move(row));
    }
    return table;
}

} // namespace filmeria
