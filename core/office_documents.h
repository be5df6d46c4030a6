#pragma once
// What the office exports produce, as plain data: a spreadsheet, a word-processor table and
// a card document. Texts are UTF-8; the platform writes them as .xlsx and .docx files.
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace filmeria {

using TextGrid = std::vector<std::vector<std::string>>; // rows of cells

// What a column of a spreadsheet holds, for the cells below its heading: text, or amounts and
// dates written as numbers and dates wherever the text is a valid amount ("23,49") or date
// ("dd/mm/yyyy") by the program's rules, as text elsewhere; counts ("12") as whole numbers.
enum class ColumnKind { Text, Amount, Date, Count };

// A sheet's cells handed to the writer one at a time, for a sheet too large to copy first:
// `cell` puts the UTF-8 text of a cell into `out`.
struct SheetCells {
    int rows = 0;
    int columns = 0;
    std::function<void(int row, int column, std::string& out)> cell;
};

// A chart of columns over a block of its sheet's cells, placed on the sheet to the right of
// them: the categories in one column, a series for each value column, named by its heading
// (row 0). Rows and columns count from 0.
struct ColumnChart {
    std::string title;
    std::string valueAxisTitle;
    int categoryColumn = 0;
    std::vector<int> valueColumns;
    int firstRow = 1;
    int lastRow = 1;
};

struct Spreadsheet {
    std::string sheetName;
    TextGrid cells; // written from A1, every value as text (format "@") unless its column says
    // Row 1 cells set bold, 1-based columns, also beyond the data.
    int boldFirstColumn = 0;
    int boldLastColumn = -1;
    // Columns A.. fitted to their longest text.
    int fittedColumns = 0;
    std::vector<ColumnKind> columnKinds{}; // by column; a column beyond it holds text
    SheetCells streamed{};                 // when it has a `cell`, the cells come from it instead
    std::vector<ColumnChart> charts{};
};

// A workbook of several sheets, in their order.
struct Workbook {
    std::vector<Spreadsheet> sheets;
};

// A table as a document: a title paragraph (what the table holds and when it was made), then
// the table, row 0 its headings.
struct TableDocument {
    std::string title;
    TextGrid rows;
};

// A card as a document: a centred bold title, an empty paragraph, the picture (embedded),
// then a justified table of label and value rows; line breaks in a value stay line breaks.
struct CardDocument {
    std::string title;
    std::string picture;          // the picture file's bytes; may be empty
    std::string pictureExtension; // "bmp", "png", "jpeg"
    int pictureWidth = 0;         // pixels
    int pictureHeight = 0;
    std::vector<std::pair<std::string, std::string>> rows;
};

} // namespace filmeria
