// The module's entry: the writers of office_files.h, each made to report instead of throw.
#include "platform/office_files.h"
#include "platform/office_writers.h"

namespace filmeria {
namespace {

template <typename Document, void (*write)(const std::string&, const Document&)>
std::string reported(const std::string& path, const Document& document) {
    try {
        write(path, document);
        return {};
    } catch (const std::exception& error) {
        return error.what()[0] ? error.what() : "the office file could not be written";
    } catch (...) {
        return "the office file could not be written";
    }
}

constexpr OfficeWriters kWriters{
    kOfficeWritersVersion,
    reported<Spreadsheet, writeSpreadsheet>,
    reported<Workbook, writeWorkbook>,
    reported<TableDocument, writeTableDocument>,
    reported<CardDocument, writeCardDocument>,
};

} // namespace
} // namespace filmeria

extern "C" __attribute__((visibility("default"))) const filmeria::OfficeWriters* filmeriaOfficeWriters() {
    return &filmeria::kWriters;
}
