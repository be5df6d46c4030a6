#pragma once
// The office file writers live in a module of their own, loaded on the first export: the
// libraries they use (libxlsxwriter, libzip and, through both, the system's cryptography
// library) cost every start-up a few milliseconds for a feature most sessions never use.
#include "core/office_documents.h"

#include <string>
#include <vector>

namespace filmeria {

// What the module hands the program. Each writer returns an empty text when the file was
// written, else what went wrong: no exception crosses the module's edge.
struct OfficeWriters {
    int version;
    std::string (*spreadsheet)(const std::string& path, const Spreadsheet& sheet);
    std::string (*workbook)(const std::string& path, const Workbook& book);
    std::string (*tableDocument)(const std::string& path, const TableDocument& table);
    std::string (*cardDocument)(const std::string& path, const CardDocument& card);
};

inline constexpr int kOfficeWritersVersion = 4;
inline constexpr const char* kOfficeWritersModule = "filmeria-office-files.so";
inline constexpr const char* kOfficeWritersEntry = "filmeriaOfficeWriters";

// The loaded module, from the first of `candidates` (full paths) that loads; throws OfficeError
// naming what went wrong with each when none does. Closed when destroyed.
class OfficeWritersModule {
public:
    explicit OfficeWritersModule(const std::vector<std::string>& candidates);
    ~OfficeWritersModule();
    OfficeWritersModule(const OfficeWritersModule&) = delete;
    OfficeWritersModule& operator=(const OfficeWritersModule&) = delete;

    const OfficeWriters& writers() const { return *writers_; }

private:
    void* handle_ = nullptr;
    const OfficeWriters* writers_ = nullptr;
};

// Where the program looks for the module: beside the program (a copied program folder), in
// ../lib/<architecture>/filmeria-pro/ from it (installed, and the build tree), then where the
// build wrote it.
std::vector<std::string> officeWritersCandidates();

} // namespace filmeria
