#pragma once
// The office files the exports write: a spreadsheet (.xlsx, libxlsxwriter) and word-processor
// documents (.docx, Office Open XML packaged with libzip). Texts are UTF-8. Every failure
// throws OfficeError and leaves no file behind.
#include "core/office_documents.h"

#include <stdexcept>
#include <string>

namespace filmeria {

class OfficeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads the writers (once per session); throws OfficeError when the program's module is missing.
void loadOfficeWriters();

// Each writes a new file at `path`, which must not exist.
void writeSpreadsheet(const std::string& path, const Spreadsheet& sheet);
void writeWorkbook(const std::string& path, const Workbook& book);
void writeTableDocument(const std::string& path, const TableDocument& table);
void writeCardDocument(const std::string& path, const CardDocument& card);

} // namespace filmeria
