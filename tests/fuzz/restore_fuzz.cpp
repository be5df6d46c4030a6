// A restore from a damaged or crafted backup: it ends with 0, 1 or 2, and a refused or failed
// restore into a new folder leaves nothing there; a restore that succeeds leaves exactly the
// store's files, whole, with no staged copy or journal behind.
#include "core/data_folder.h"
#include "fuzz_target.h"
#include "tools/backup.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace filmeria::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path& workFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("filmeria-fuzz-restore-" + std::to_string(::getpid()));
    return folder;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A small backup with every entry stored, so mutations reach the bytes the restore reads.
std::string storedBackup() {
    const fs::path store = workFolder() / "negozio";
    fs::create_directories(store);
    std::ofstream(store / "Clienti.pro", std::ios::binary) << std::string(1642, 'C');
    std::ofstream(store / "2009.nol", std::ios::binary) << std::string(1368, 'N');
    std::ofstream(store / "Tessera.ini", std::ios::binary) << "[Dati Filmeria]\r\nRigo 1=Videoteca\r\n";
    std::ostringstream progress, errors;
    const fs::path zipped = workFolder() / "seme.zip";
    backupDataFolder(store.string() + "/", zipped.string(), progress, errors);
    // Rewritten with every entry stored rather than deflated.
    int error = 0;
    zip_t* archive = zip_open(zipped.c_str(), 0, &error);
    for (zip_int64_t i = 0; archive && i < zip_get_num_entries(archive, 0); ++i)
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
    if (archive)
        zip_close(archive);
    return readFile(zipped);
}

void run(std::string_view input) {
    const fs::path zipped = workFolder() / "copia.zip";
    const fs::path target = workFolder() / "ripristino";
    fs::remove_all(target);
    std::ofstream(zipped, std::ios::binary) << input;
    std::ostringstream progress, errors;
    const int code = restoreDataFolder(zipped.string(), target.string() + "/", false, progress, errors);
    FUZZ_EXPECT(code == 0 || code == 1 || code == 2, input);
    if (code != 0) {
        FUZZ_EXPECT(!fs::exists(target) || fs::is_empty(target), input);
        return;
    }
    for (const auto& entry : fs::directory_iterator(target))
        FUZZ_EXPECT(entry.is_regular_file() && isStoreFileName(entry.path().filename().string()), input);
}

} // namespace

Target target() {
    return {"restore",
            {storedBackup()},
            {"PK\x03\x04", "PK\x01\x02", "manifest.txt", "Clienti.pro", "\t", "\n"},
            run};
}

} // namespace filmeria::fuzz
