#pragma once
// What the office exports produce, as plain data: a spreadsheet, a word-processor table and
// a card document. Texts are UTF-8; the platform writes them as .xlsx and .docx files.
#include <string>
#include <utility>
#include <vector>

namespace filmeria {

using TextGrid = std::vector<std::vector<std::string>>; // rows of cells

struct Spreadsheet {
    std::string sheetName;
    TextGrid cells; // written from A1, every value as text (format "@")
    // Row 1 cells set bold, 1-based columns, also beyond the data.
    int boldFirstColumn = 0;
    int boldLastColumn = -1;
    // Columns A.. fitted to their longest text.
    int fittedColumns = 0;
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
