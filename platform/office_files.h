#pragma once
// The office files the exports write: a spreadsheet (.xlsx, libxlsxwriter) and word-processor
// documents (.docx, Office Open XML packaged with libzip). Texts are UTF-8. Every failure
// throws OfficeError and leaves no file behind.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace filmeria {

class OfficeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    std::string picture;          // the picture file's bytes (BMP, PNG or JPEG); may be empty
    std::string pictureExtension; // "bmp", "png", "jpeg"
    int pictureWidth = 0;         // pixels
    int pictureHeight = 0;
    std::vector<std::pair<std::string, std::string>> rows;
};

// Each writes a new file at `path`, which must not exist.
void writeSpreadsheet(const std::string& path, const Spreadsheet& sheet);
void writeTableDocument(const std::string& path, const TextGrid& table);
void writeCardDocument(const std::string& path, const CardDocument& card);

} // namespace filmeria
