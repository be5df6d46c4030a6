#include "tools/backup.h"

#include "tools/sha256.h"
#include "tools/store_file_stream.h"

#include "core/data_folder.h"
#include "core/posix_file.h"
#include "core/record_file.h"
#include "core/store_swap.h"
#include "core/text_rules.h"
#include "customers/customer_file.h"
#include "films/sqlite_access.h"
#include "rentals/rental_file.h"

#include <sqlite3.h>
#include <zip.h>

#include <cerrno>
#include <charconv>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

#ifndef FILMERIA_VERSION
#define FILMERIA_VERSION "1.0"
#endif

namespace filmeria {
namespace {

// Now, local time, as "2026-12-11 09.30.42".
std::string localMoment() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H.%M.%S", &local));
}

using Entry = ManifestEntry;

class BackupFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a previous backup to the same file left when it was killed: the copies folder and the
// ZIP library's temporary files, plain files of this user named after the backup.
void removeLeftoversOf(const std::string& zipPath) {
    std::error_code ignored;
    const std::filesystem::path zip(zipPath);
    const std::filesystem::path parts = zipPath + ".parti";
    if (std::filesystem::is_directory(std::filesystem::symlink_status(parts, ignored)))
        std::filesystem::remove_all(parts, ignored);
    const std::string temporary = zip.filename().string() + ".tmp";
    const std::filesystem::path folder =
        zip.has_parent_path() ? zip.parent_path() : std::filesystem::path(".");
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        const std::string name = entry.path().filename().string();
        struct stat st {};
        if ((name == temporary || name.rfind(temporary + ".", 0) == 0) &&
            ::lstat(entry.path().c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            std::filesystem::remove(entry.path(), ignored);
    }
}

std::string manifestText(const std::vector<Entry>& entries) {
    std::ostringstream out;
    out << "Filmeria Pro backup\nversion " << FILMERIA_VERSION << "\n";
    for (const Entry& e : entries)
        out << "file\t" << e.name << '\t' << e.size << '\t' << e.sha256 << '\t' << e.records << '\n';
    return out.str();
}

} // namespace

std::optional<std::vector<ManifestEntry>> parseManifest(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "Filmeria Pro backup")
        return std::nullopt;
    std::vector<ManifestEntry> entries;
    std::set<std::string> names;
    while (std::getline(in, line)) {
        if (line.rfind("file\t", 0) != 0)
            continue;
        std::istringstream fields(line.substr(5));
        ManifestEntry e;
        std::string size;
        if (!std::getline(fields, e.name, '\t') || !std::getline(fields, size, '\t') ||
            !std::getline(fields, e.sha256, '\t') || !std::getline(fields, e.records))
            return std::nullopt;
        // Only a store's own files, each once: never a path, never a name of something else.
        if (!isStoreFileName(e.name) || !names.insert(e.name).second)
            return std::nullopt;
        const auto [end, ec] = std::from_chars(size.data(), size.data() + size.size(), e.size);
        if (ec != std::errc() || end != size.data() + size.size() || size.empty())
            return std::nullopt;
        if (e.sha256.size() != 64 || e.sha256.find_first_not_of("0123456789abcdef") != std::string::npos)
            return std::nullopt;
        entries.push_back(e);
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

namespace {

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

enum class EntryRead { Whole, Missing, Damaged, TooLarge };

// Reads an entry in blocks, handing each to `take`, never more than `limit` bytes: an entry
// larger than it says stops there, not after inflating all of it.
EntryRead readEntry(zip_t* archive, const std::string& name, std::uint64_t limit,
                    const std::function<void(const char*, std::size_t)>& take) {
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive, name.c_str(), 0));
    if (!file)
        return EntryRead::Missing;
    std::vector<char> block(1 << 20);
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), block.data(), block.size());
        if (n < 0)
            return EntryRead::Damaged;
        if (n == 0)
            return EntryRead::Whole;
        total += static_cast<std::uint64_t>(n);
        if (total > limit)
            return EntryRead::TooLarge;
        take(block.data(), static_cast<std::size_t>(n));
    }
}

// The space free where `folder` is (or would be made).
std::optional<std::uint64_t> freeSpaceFor(std::string folder) {
    while (!folder.empty()) {
        struct statvfs fs {};
        if (::statvfs(folder.c_str(), &fs) == 0)
            return static_cast<std::uint64_t>(fs.f_bavail) * fs.f_frsize;
        const auto slash = folder.find_last_of('/', folder.size() > 1 ? folder.size() - 2 : 0);
        if (slash == std::string::npos)
            break;
        folder = folder.substr(0, slash + 1);
    }
    return std::nullopt;
}

// Why the ZIP could not be written: a file that failed as it was read, or the write itself
// (no room, the file-size limit), in the program's words.
[[noreturn]] void failClosing(zip_t* archive, const std::vector<std::unique_ptr<StoreFileStream>>& streams,
                              const std::string& zipPath) {
    for (const auto& stream : streams)
        if (!stream->failure().empty())
            throw BackupFailure(stream->entry().name + ": " + stream->failure());
    zip_error_t* error = zip_get_error(archive);
    if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0)
        failOnFile("impossibile scrivere", zipPath, zip_error_code_system(error));
    throw BackupFailure("impossibile scrivere '" + zipPath + "': " + zip_strerror(archive));
}

std::string megabytes(std::uint64_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MB";
}

} // namespace

int backupDataFolder(const std::string& folderGiven, const std::string& zipPath, std::ostream& progress,
                     std::ostream& errors) {
    const std::string folder = withTrailingSeparator(folderGiven);
    std::vector<std::string> unsaved; // files that could not be read, with the reason
    try {
        if (finishInterruptedSwap(folder))
            progress << "completato un ripristino interrotto in precedenza in " << folder << "\n";
        const std::vector<std::string> names = storeFiles(folder);
        if (names.empty())
            throw BackupFailure("nessun archivio in '" + folder + "'");
        removeLeftoversOf(zipPath);
        // Each file is checked before the ZIP is begun: one that cannot be read is left out and
        // named, the others are still saved.
        std::vector<std::unique_ptr<StoreFileStream>> streams;
        for (const std::string& name : names) {
            auto stream = std::make_unique<StoreFileStream>(folder, name, zipPath + ".parti");
            try {
                stream->check();
            } catch (const ArchiveError& failure) {
                unsaved.push_back(name + ": " + failure.what());
                continue;
            }
            streams.push_back(std::move(stream));
        }
        if (streams.empty())
            throw BackupFailure("nessun archivio di '" + folder + "' si può leggere");

        int error = 0;
        ZipArchive archive(zip_open((zipPath + ".tmp").c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
        if (!archive)
            throw BackupFailure("impossibile creare '" + zipPath + "'");
        for (const auto& stream : streams) {
            const std::string& name = stream->entry().name;
            const zip_int64_t index = stream->addTo(archive.get(), name);
            if (index < 0)
                throw BackupFailure(
                    std::string("impossibile aggiungere ").append(name).append(" a '").append(zipPath) + "'");
            // Posters are compressed already: the film archive is stored as it is.
            zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index),
                                     name == "Film.db" ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 1);
        }
        // Written last, from what the files were as their bytes passed into the ZIP.
        TextStream manifest([&] {
            std::vector<Entry> entries;
            entries.reserve(streams.size());
            for (const auto& stream : streams)
                entries.push_back(stream->entry());
            return manifestText(entries);
        });
        if (manifest.addTo(archive.get(), kManifestName) < 0)
            throw BackupFailure("impossibile aggiungere l'indice a '" + zipPath + "'");
        zip_register_progress_callback_with_state(
            archive.get(), 0.05,
            [](zip_t*, double done, void* out) {
                *static_cast<std::ostream*>(out) << "scrittura: " << static_cast<int>(done * 100) << "%\n"
                                                 << std::flush;
            },
            nullptr, &progress);
        if (zip_close(archive.get()) != 0)
            failClosing(archive.get(), streams, zipPath);
        static_cast<void>(archive.release()); // closed by zip_close
        // It holds the customers' data and the password: readable by its owner only.
        if (::chmod((zipPath + ".tmp").c_str(), 0600) != 0)
            failOnFile("impossibile impostare i permessi di", zipPath, errno);
        if (::rename((zipPath + ".tmp").c_str(), zipPath.c_str()) != 0)
            failOnFile("impossibile sostituire", zipPath, errno);
        progress << "copia di sicurezza scritta in " << zipPath << " (" << streams.size() << " file)\n";
        if (unsaved.empty())
            return 0;
        errors << "non salvati, perché non si leggono:\n";
        for (const std::string& line : unsaved)
            errors << "  " << line << "\n";
        return 1;
    } catch (const std::exception& e) {
        ::unlink((zipPath + ".tmp").c_str());
        errors << e.what() << "\n";
        return 2;
    }
}

int restoreDataFolder(const std::string& zipPath, const std::string& folderGiven, bool overwrite,
                      std::ostream& progress, std::ostream& errors) {
    const std::string folder = withTrailingSeparator(folderGiven);
    constexpr const char* kNothing =
        ": nulla è stato ripristinato, la cartella contiene l'archivio di prima\n";
    try {
        if (finishInterruptedSwap(folder))
            progress << "completato un ripristino interrotto in precedenza in " << folder << "\n";
    } catch (const std::exception& e) {
        errors << e.what() << ": il ripristino interrotto in precedenza non è stato completato\n";
        return 2;
    }
    int error = 0;
    ZipArchive archive(zip_open(zipPath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        errors << "'" << zipPath << "' non è una copia di sicurezza leggibile" << kNothing;
        return 1;
    }
    std::string manifestBytes;
    if (readEntry(archive.get(), kManifestName, 1 << 20, [&](const char* data, std::size_t n) {
            manifestBytes.append(data, n);
        }) != EntryRead::Whole) {
        errors << "la copia di sicurezza non ha l'indice" << kNothing;
        return 1;
    }
    const auto entries = parseManifest(manifestBytes);
    if (!entries) {
        errors << "l'indice della copia di sicurezza è danneggiato o nomina file che non sono di un archivio"
               << kNothing;
        return 1;
    }
    std::vector<std::string> inTheWay;
    std::uint64_t needed = 0;
    for (const Entry& e : *entries) {
        needed += e.size;
        if (::access((folder + e.name).c_str(), F_OK) == 0)
            inTheWay.push_back(e.name);
    }
    if (!inTheWay.empty() && !overwrite) {
        errors << "la cartella contiene già";
        for (const std::string& name : inTheWay)
            errors << ' ' << name;
        errors << ": nulla è stato ripristinato (--sovrascrivi li sostituisce, conservando da parte i "
                  "precedenti)\n";
        return 1;
    }
    // The new store is written beside the old one before either is touched.
    if (const auto free = freeSpaceFor(folder); free && *free < needed + (1 << 20)) {
        errors << "spazio insufficiente sul disco: servono " << megabytes(needed) << ", disponibili "
               << megabytes(*free) << kNothing;
        return 2;
    }
    std::vector<std::string> staged;
    bool madeFolder = false;
    const auto discardStaged = [&] {
        for (const std::string& path : staged)
            ::unlink(path.c_str());
        if (madeFolder)
            ::rmdir(folder.c_str());
    };
    try {
        if (::access(folder.c_str(), F_OK) != 0) {
            // A new store's folder, private as the data folder is.
            std::filesystem::create_directories(std::filesystem::path(folder).parent_path().parent_path());
            if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
                failOnFile("impossibile creare", folder, errno);
            madeFolder = true;
        }
        for (const Entry& e : *entries) {
            progress << "ripristino di " << e.name << "...\n" << std::flush;
            const std::string path = folder + stagedName(e.name);
            const FileDescriptor fd = claimTemporaryFile(path);
            staged.push_back(path);
            if (::fchmod(fd.get(), 0600) != 0)
                failOnFile("impossibile impostare i permessi di", path, errno);
            Sha256 hash;
            std::uint64_t size = 0;
            const EntryRead read =
                readEntry(archive.get(), e.name, e.size, [&](const char* data, std::size_t n) {
                    hash.add(data, n);
                    writeExactly(fd.get(), data, n, static_cast<off_t>(size), path);
                    size += n;
                });
            if (read == EntryRead::Missing || read == EntryRead::Damaged) {
                discardStaged();
                errors << e.name << " manca dalla copia di sicurezza o non si legge" << kNothing;
                return 1;
            }
            if (read == EntryRead::TooLarge || size != e.size || hash.hex() != e.sha256) {
                discardStaged();
                errors << e.name
                       << " nella copia di sicurezza non è il file salvato (dimensione o SHA-256 diversi)"
                       << kNothing;
                return 1;
            }
            flushToDisk(fd.get(), path);
        }
    } catch (const std::exception& e) {
        discardStaged();
        errors << e.what() << kNothing;
        return 2;
    }
    std::vector<std::string> names;
    for (const Entry& e : *entries)
        names.push_back(e.name);
    // A folder of its own for the files this restore replaces, even for two in one second.
    const std::string stamp = folder + "Sostituiti " + localMoment();
    std::string aside = stamp + "/";
    for (int n = 2; ::access(aside.c_str(), F_OK) == 0; ++n)
        aside = stamp + " (" + std::to_string(n) + ")/";
    try {
        swapInStagedFiles({folder, aside, names});
    } catch (const std::exception& e) {
        errors << e.what()
               << ": il ripristino è scritto per intero e sarà completato al prossimo avvio del programma o "
                  "al prossimo ripristino\n";
        return 2;
    }
    if (!inTheWay.empty())
        progress << "archivi sostituiti conservati in " << aside << "\n";
    progress << entries->size() << " file ripristinati in " << folder << "\n";
    return 0;
}

} // namespace filmeria
