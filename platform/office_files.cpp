// The program's side of the office writers: the module is loaded on the first export and kept
// for the rest of the session.
#include "platform/office_files.h"

#include "core/text_rules.h"
#include "platform/office_writers.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <memory>
#include <mutex>

namespace filmeria {

OfficeWritersModule::OfficeWritersModule(const std::vector<std::string>& candidates) {
    std::string tried;
    for (const std::string& path : candidates) {
        void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = ::dlerror();
            tried += "\n" + path + ": " + (why ? why : "not loaded");
            continue;
        }
        using Entry = const OfficeWriters* (*)();
        const auto entry = reinterpret_cast<Entry>(::dlsym(handle, kOfficeWritersEntry));
        const OfficeWriters* writers = entry ? entry() : nullptr;
        if (!writers || writers->version != kOfficeWritersVersion) {
            tried += "\n" + path + ": not the office writers of this program's version";
            ::dlclose(handle);
            continue;
        }
        handle_ = handle;
        writers_ = writers;
        return;
    }
    throw OfficeError(std::string("cannot load the office file writers (") + kOfficeWritersModule +
                      "):" + tried);
}

OfficeWritersModule::~OfficeWritersModule() {
    if (handle_)
        ::dlclose(handle_);
}

std::vector<std::string> officeWritersCandidates() {
    std::vector<std::string> candidates;
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length > 0) {
        const std::string folder =
            folderOfExecutable(std::string_view(executable, static_cast<std::size_t>(length)));
        // Beside the program; in the installed layout (bin/ and lib/); for a program at the top
        // of the build tree, below it. Never a path of the machine the program was built on.
        candidates.push_back(folder + kOfficeWritersModule);
        candidates.push_back(folder + "../" + FILMERIA_PRIVATE_LIBDIR + kOfficeWritersModule);
        candidates.push_back(folder + FILMERIA_PRIVATE_LIBDIR + kOfficeWritersModule);
    }
    return candidates;
}

namespace {

// Loaded once; a failed load is tried again at the next export.
const OfficeWriters& writers() {
    static std::mutex guard;
    static std::unique_ptr<OfficeWritersModule> module;
    const std::lock_guard lock(guard);
    if (!module)
        module = std::make_unique<OfficeWritersModule>(officeWritersCandidates());
    return module->writers();
}

void check(const std::string& failure) {
    if (!failure.empty())
        throw OfficeError(failure);
}

} // namespace

void loadOfficeWriters() {
    writers();
}

void writeSpreadsheet(const std::string& path, const Spreadsheet& sheet) {
    check(writers().spreadsheet(path, sheet));
}

void writeWorkbook(const std::string& path, const Workbook& book) {
    check(writers().workbook(path, book));
}

void writeTableDocument(const std::string& path, const TableDocument& table) {
    check(writers().tableDocument(path, table));
}

void writeCardDocument(const std::string& path, const CardDocument& card) {
    check(writers().cardDocument(path, card));
}

} // namespace filmeria
