#include "tools/backup.h"

#include "core/data_folder.h"
#include "core/posix_file.h"
#include "core/record_file.h"
#include "core/text_rules.h"
#include "customers/customer_file.h"
#include "films/sqlite_access.h"
#include "rentals/rental_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <sqlite3.h>
#include <zip.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#ifndef FILMERIA_VERSION
#define FILMERIA_VERSION "1.0"
#endif

namespace filmeria {
namespace {

struct Entry {
    std::string name;
    std::uint64_t size = 0;
    std::string sha256;  // hexadecimal
    std::string records; // a count, or "-" for settings files
};

class BackupFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A folder for the copies a backup zips, removed with everything in it.
class WorkFolder {
public:
    explicit WorkFolder(std::string path)
        : path_(std::move(path)) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string hashOfFile(const std::string& path) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        failOnFile("impossibile aprire", path, errno);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    readInBlocks(fd.get(), path, [&](const char* data, std::size_t n) {
        hash.addData(QByteArrayView(data, static_cast<qsizetype>(n)));
    });
    return hash.result().toHex().toStdString();
}

std::uint64_t sizeOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        failOnFile("impossibile leggere la dimensione di", path, errno);
    return static_cast<std::uint64_t>(st.st_size);
}

// A consistent copy of Film.db through SQLite's online backup, even while the program writes to
// it, and its film count. The backup runs inside a read transaction of the source, so no
// writer can commit meanwhile: the source file's header then still describes the copied pages,
// and its change counters are put on the copy, which so becomes the file's exact bytes.
std::string copyFilmStore(const std::string& from, const std::string& to) {
    sqlite3* source = nullptr;
    sqlite3* target = nullptr;
    const auto closeBoth = [&] {
        sqlite3_close(source);
        sqlite3_close(target);
    };
    const auto fail = [&](const std::string& what) {
        closeBoth();
        throw BackupFailure(what + " l'archivio dei film '" + from + "'");
    };
    if (sqlite3_open_v2(from.c_str(), &source, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK ||
        sqlite3_open(to.c_str(), &target) != SQLITE_OK)
        fail("impossibile aprire");
    // A counter saving a film at this moment is waited for, as by the program.
    sqlite3_busy_timeout(source, kBusyWaitMilliseconds);
    if (sqlite3_exec(source, "BEGIN; SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        fail("impossibile leggere");
    sqlite3_backup* copy = sqlite3_backup_init(target, "main", source, "main");
    const int rc = copy ? sqlite3_backup_step(copy, -1) : SQLITE_ERROR;
    if (copy)
        sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        fail("impossibile copiare");
    std::string journal;
    sqlite3_stmt* mode = nullptr;
    if (sqlite3_prepare_v2(source, "PRAGMA journal_mode", -1, &mode, nullptr) == SQLITE_OK &&
        sqlite3_step(mode) == SQLITE_ROW)
        journal = reinterpret_cast<const char*>(sqlite3_column_text(mode, 0));
    sqlite3_finalize(mode);
    std::string header(100, '\0');
    const bool headerRead = [&] {
        const FileDescriptor fd(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
        return fd.isOpen() && ::pread(fd.get(), header.data(), header.size(), 0) == 100;
    }();
    std::string films = "-";
    sqlite3_stmt* count = nullptr;
    if (sqlite3_prepare_v2(target, "SELECT count(*) FROM film", -1, &count, nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
        films = std::to_string(sqlite3_column_int64(count, 0));
    sqlite3_finalize(count);
    closeBoth(); // the source's read transaction ends with its connection
    // In WAL mode the file's header may lag behind the copied pages: the copy keeps its own.
    if (headerRead && journal != "wal") {
        const FileDescriptor fd(::open(to.c_str(), O_WRONLY | O_CLOEXEC));
        if (!fd.isOpen())
            failOnFile("impossibile aprire", to, errno);
        for (const off_t field : {24, 40, 92}) // change counter, schema cookie, version-valid-for
            writeExactly(fd.get(), header.data() + field, 4, field, to);
    }
    return films;
}

// A record file copied whole under its shared lock.
void copyRecordFile(const std::string& from, const std::string& to, std::size_t recordSize) {
    const RecordFile source(from, recordSize, RecordFile::IfMissing::Fail, RecordFile::Lock::Shared);
    const FileDescriptor target(::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!target.isOpen())
        failOnFile("impossibile creare", to, errno);
    copyRange(source.descriptor(), 0, target.get(), 0, static_cast<std::size_t>(sizeOf(from)), to);
    flushToDisk(target.get(), to);
}

std::string manifestText(const std::vector<Entry>& entries) {
    std::ostringstream out;
    out << "Filmeria Pro backup\nversion " << FILMERIA_VERSION << "\n";
    for (const Entry& e : entries)
        out << "file\t" << e.name << '\t' << e.size << '\t' << e.sha256 << '\t' << e.records << '\n';
    return out.str();
}

std::optional<std::vector<Entry>> parseManifest(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != "Filmeria Pro backup")
        return std::nullopt;
    std::vector<Entry> entries;
    while (std::getline(in, line)) {
        if (line.rfind("file\t", 0) != 0)
            continue;
        std::istringstream fields(line.substr(5));
        Entry e;
        std::string size;
        if (!std::getline(fields, e.name, '\t') || !std::getline(fields, size, '\t') ||
            !std::getline(fields, e.sha256, '\t') || !std::getline(fields, e.records))
            return std::nullopt;
        // A name is a plain file name of the data folder, never a path.
        if (e.name.empty() || e.name.find('/') != std::string::npos || e.name == "." || e.name == "..")
            return std::nullopt;
        try {
            e.size = std::stoull(size);
        } catch (...) {
            return std::nullopt;
        }
        entries.push_back(e);
    }
    if (entries.empty())
        return std::nullopt;
    return entries;
}

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;
struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// Reads an entry in blocks, handing each to `take`; false when it cannot be read whole.
bool readEntry(zip_t* archive, const std::string& name,
               const std::function<void(const char*, std::size_t)>& take) {
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive, name.c_str(), 0));
    if (!file)
        return false;
    std::vector<char> block(1 << 20);
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), block.data(), block.size());
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        take(block.data(), static_cast<std::size_t>(n));
    }
}

} // namespace

int backupDataFolder(const std::string& folderGiven, const std::string& zipPath, std::ostream& progress,
                     std::ostream& errors) {
    const std::string folder = withTrailingSeparator(folderGiven);
    try {
        const std::vector<std::string> names = storeFiles(folder);
        if (names.empty())
            throw BackupFailure("no archives in '" + folder + "'");
        const WorkFolder work(zipPath + ".parti");
        std::vector<Entry> entries;
        for (const std::string& name : names) {
            progress << "copia di " << name << "...\n" << std::flush;
            const std::string copy = work.file(name);
            Entry e;
            e.name = name;
            if (name == "Film.db") {
                e.records = copyFilmStore(folder + name, copy);
            } else if (name == "Clienti.pro" || name.ends_with(".nol")) {
                const std::size_t recordSize =
                    name == "Clienti.pro" ? kCustomerRecordSize : kRentalRecordSize;
                copyRecordFile(folder + name, copy, recordSize);
                e.records = std::to_string(sizeOf(copy) / recordSize);
            } else {
                const auto bytes = readWholeFile(folder + name);
                replaceFileAtomically(copy, copy + ".tmp", bytes.value_or(""));
                e.records = "-";
            }
            e.size = sizeOf(copy);
            e.sha256 = hashOfFile(copy);
            entries.push_back(e);
        }

        int error = 0;
        ZipArchive archive(zip_open((zipPath + ".tmp").c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error));
        if (!archive)
            throw BackupFailure("impossibile creare '" + zipPath + "'");
        for (const Entry& e : entries) {
            zip_source_t* source = zip_source_file(archive.get(), work.file(e.name).c_str(), 0, 0);
            const zip_int64_t index =
                source ? zip_file_add(archive.get(), e.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
            if (index < 0) {
                zip_source_free(source);
                throw BackupFailure("impossibile aggiungere " + e.name + " a '" + zipPath + "'");
            }
            // Posters are compressed already: the film archive is stored as it is.
            zip_set_file_compression(archive.get(), static_cast<zip_uint64_t>(index),
                                     e.name == "Film.db" ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 1);
        }
        const std::string manifest = manifestText(entries);
        zip_source_t* source = zip_source_buffer(archive.get(), manifest.data(), manifest.size(), 0);
        if (!source || zip_file_add(archive.get(), kManifestName, source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            throw BackupFailure("impossibile aggiungere l'indice a '" + zipPath + "'");
        }
        zip_register_progress_callback_with_state(
            archive.get(), 0.05,
            [](zip_t*, double done, void* out) {
                *static_cast<std::ostream*>(out) << "scrittura: " << static_cast<int>(done * 100) << "%\n"
                                                 << std::flush;
            },
            nullptr, &progress);
        if (zip_close(archive.get()) != 0)
            throw BackupFailure("impossibile scrivere '" + zipPath + "': " + zip_strerror(archive.get()));
        archive.release();
        if (::rename((zipPath + ".tmp").c_str(), zipPath.c_str()) != 0)
            failOnFile("impossibile sostituire", zipPath, errno);
        progress << "copia di sicurezza scritta in " << zipPath << " (" << entries.size() << " file)\n";
        return 0;
    } catch (const std::exception& e) {
        ::unlink((zipPath + ".tmp").c_str());
        errors << e.what() << "\n";
        return 2;
    }
}

int restoreDataFolder(const std::string& zipPath, const std::string& folderGiven, bool overwrite,
                      std::ostream& progress, std::ostream& errors) {
    const std::string folder = withTrailingSeparator(folderGiven);
    int error = 0;
    ZipArchive archive(zip_open(zipPath.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        errors << "'" << zipPath << "' non è una copia di sicurezza leggibile: nulla è stato ripristinato\n";
        return 1;
    }
    std::string manifestBytes;
    if (!readEntry(archive.get(), kManifestName,
                   [&](const char* data, std::size_t n) { manifestBytes.append(data, n); })) {
        errors << "la copia di sicurezza non ha l'indice: nulla è stato ripristinato\n";
        return 1;
    }
    const auto entries = parseManifest(manifestBytes);
    if (!entries) {
        errors << "l'indice della copia di sicurezza è danneggiato: nulla è stato ripristinato\n";
        return 1;
    }
    // Every file whole and unchanged before anything is written.
    for (const Entry& e : *entries) {
        progress << "verifica di " << e.name << "...\n" << std::flush;
        QCryptographicHash hash(QCryptographicHash::Sha256);
        std::uint64_t size = 0;
        const bool read = readEntry(archive.get(), e.name, [&](const char* data, std::size_t n) {
            hash.addData(QByteArrayView(data, static_cast<qsizetype>(n)));
            size += n;
        });
        if (!read) {
            errors << e.name
                   << " manca dalla copia di sicurezza o non si legge: nulla è stato ripristinato\n";
            return 1;
        }
        if (size != e.size || hash.result().toHex().toStdString() != e.sha256) {
            errors << e.name
                   << " nella copia di sicurezza non è il file salvato (dimensione o SHA-256 diversi): "
                   << "nulla è stato ripristinato\n";
            return 1;
        }
    }
    std::vector<std::string> inTheWay;
    for (const Entry& e : *entries) {
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
    try {
        std::filesystem::create_directories(folder);
        if (!inTheWay.empty()) {
            const std::string aside =
                folder + "Sostituiti " +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")).toStdString() +
                "/";
            std::filesystem::create_directories(aside);
            for (const std::string& name : inTheWay) {
                if (::rename((folder + name).c_str(), (aside + name).c_str()) != 0)
                    failOnFile("impossibile mettere da parte", folder + name, errno);
            }
            progress << "archivi sostituiti conservati in " << aside << "\n";
        }
        for (const Entry& e : *entries) {
            progress << "ripristino di " << e.name << "...\n" << std::flush;
            const std::string target = folder + e.name;
            replaceThroughTemporary(target, target + ".ripristino", [&](int fd) {
                off_t at = 0;
                if (!readEntry(archive.get(), e.name, [&](const char* data, std::size_t n) {
                        writeExactly(fd, data, n, at, target);
                        at += static_cast<off_t>(n);
                    }))
                    throw BackupFailure("impossibile leggere " + e.name + " dalla copia di sicurezza");
            });
        }
    } catch (const std::exception& e) {
        errors << e.what() << "\n";
        return 2;
    }
    progress << entries->size() << " file ripristinati in " << folder << "\n";
    return 0;
}

} // namespace filmeria
