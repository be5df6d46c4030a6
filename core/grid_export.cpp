#include "core/grid_export.h"

#include "core/text_rules.h"
#include "core/windows1252.h"

namespace filmeria {

ColumnKind columnKindOf(std::string_view heading) {
    const std::string_view name = trimmedView(heading);
    for (const char* amount : {"Prezzo", "Prezzo totale"})
        if (name == amount)
            return ColumnKind::Amount;
    for (const char* date : {"Data emissione", "Data di nascita", "Data iscrizione", "Data di noleggio"})
        if (name == date)
            return ColumnKind::Date;
    return ColumnKind::Text;
}

Spreadsheet spreadsheetOf(const TextTable& grid, const SpreadsheetCaller& caller) {
    Spreadsheet sheet{
        caller.sheetName, {}, caller.boldFirstColumn, caller.boldLastColumn, caller.fittedColumns};
    if (grid.rows() > 0)
        for (int c = 0; c < grid.columns(); ++c)
            sheet.columnKinds.push_back(columnKindOf(grid.cell(0, c)));
    // Each cell is made as the writer comes to it: a grid of a hundred thousand customers is
    // never copied whole.
    sheet.streamed = {grid.rows(), grid.columns(), [&grid](int row, int column, std::string& out) {
                          assignUtf8FromCp1252(out, exportCellText(grid.cell(row, column)));
                      }};
    return sheet;
}

TextGrid cellsOf(const Spreadsheet& sheet) {
    if (!sheet.streamed.cell)
        return sheet.cells;
    TextGrid cells(static_cast<std::size_t>(sheet.streamed.rows));
    for (int r = 0; r < sheet.streamed.rows; ++r) {
        auto& row = cells[static_cast<std::size_t>(r)];
        row.resize(static_cast<std::size_t>(sheet.streamed.columns));
        for (int c = 0; c < sheet.streamed.columns; ++c)
            sheet.streamed.cell(r, c, row[static_cast<std::size_t>(c)]);
    }
    return cells;
}

TableDocument documentTableOf(const TextTable& grid, std::string title) {
    TableDocument document{std::move(title), {}};
    TextGrid& table = document.rows;
    table.reserve(static_cast<std::size_t>(grid.rows()));
    for (int r = 0; r < grid.rows(); ++r) {
        std::vector<std::string> row;
        row.reserve(static_cast<std::size_t>(grid.columns()));
        for (int c = 0; c < grid.columns(); ++c)
            row.push_back(utf8FromCp1252(grid.cell(r, c)));
        table.push_back(std::move(row));
    }
    return document;
}

} // namespace filmeria
