#include "tools/store_file_stream.h"

#include "core/data_folder.h"
#include "customers/customer_file.h"
#include "films/sqlite_access.h"
#include "rentals/rental_file.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filmeria {
namespace {

struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
};

[[noreturn]] void failOnFilmStore(const std::string& what, const std::string& path) {
    throw ArchiveError(what + " l'archivio dei film '" + path + "'");
}

// The films counted; a file that SQLite reads page by page but whose films cannot be counted is
// a damaged archive.
std::string countFilms(sqlite3* db, const std::string& path) {
    sqlite3_stmt* count = nullptr;
    std::string films;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM film", -1, &count, nullptr) == SQLITE_OK &&
        sqlite3_step(count) == SQLITE_ROW)
        films = std::to_string(sqlite3_column_int64(count, 0));
    sqlite3_finalize(count);
    if (films.empty())
        throw ArchiveError("l'archivio dei film '" + path +
                           "' è danneggiato (si verifichi con filmeria-archivi check)");
    return films;
}

sqlite3* openReadOnly(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        failOnFilmStore("impossibile aprire", path);
    }
    // A counter saving a film at this moment is waited for, as by the program.
    sqlite3_busy_timeout(db, kBusyWaitMilliseconds);
    return db;
}

std::string journalMode(sqlite3* db) {
    std::string mode;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW)
        mode = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    return mode;
}

// A consistent copy through SQLite's online backup, for an archive whose committed pages may
// still be in its write-ahead log.
void copyThroughSqlite(const std::string& from, const std::string& to) {
    Connection source{openReadOnly(from)};
    Connection target;
    if (sqlite3_open(to.c_str(), &target.db) != SQLITE_OK)
        failOnFilmStore("impossibile creare la copia del", from);
    sqlite3_backup* copy = sqlite3_backup_init(target.db, "main", source.db, "main");
    const int rc = copy ? sqlite3_backup_step(copy, -1) : SQLITE_ERROR;
    if (copy)
        sqlite3_backup_finish(copy);
    if (rc != SQLITE_DONE)
        failOnFilmStore("impossibile copiare", from);
}

FileDescriptor openForReading(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen())
        failOnFile("impossibile aprire", path, errno);
    return fd;
}

} // namespace

StoreFileStream::StoreFileStream(const std::string& folder, const std::string& name, std::string scratch)
    : path_(folder + name)
    , scratch_(std::move(scratch)) {
    entry_.name = name;
    entry_.records = "-";
    if (name == "Clienti.pro")
        recordSize_ = kCustomerRecordSize;
    else if (isYearFileName(name))
        recordSize_ = kRentalRecordSize;
}

StoreFileStream::~StoreFileStream() {
    closeReader();
}

void StoreFileStream::closeReader() {
    // SQLite's locks are the process's on the file: the reader goes before the descriptor of
    // the same file is closed, or that close would drop them.
    sqlite3_close(reader_);
    reader_ = nullptr;
}

void StoreFileStream::check() {
    if (entry_.name == "Film.db") {
        Connection db{openReadOnly(path_)};
        countFilms(db.db, path_);
    }
    const FileDescriptor fd = openForReading(path_);
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0)
        expected_ = static_cast<std::uint64_t>(st.st_size);
}

void StoreFileStream::openFilmStore() {
    reader_ = openReadOnly(path_);
    if (sqlite3_exec(reader_, "BEGIN; SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr) !=
        SQLITE_OK)
        failOnFilmStore("impossibile leggere", path_);
    entry_.records = countFilms(reader_, path_);
    if (journalMode(reader_) != "wal") {
        // The read transaction holds every writer off: the file's bytes are the archive.
        fd_ = openForReading(path_);
        return;
    }
    closeReader();
    ::unlink(scratch_.c_str());
    copyThroughSqlite(path_, scratch_);
    fd_ = openForReading(scratch_);
    ::unlink(scratch_.c_str()); // read through the open descriptor, never left behind
}

void StoreFileStream::openRecordFile() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        fd_ = openForReading(path_);
        if (!lockWholeFile(fd_.get(), false))
            failOnFile("impossibile bloccare", path_, errno == 0 ? EAGAIN : errno);
        if (isFileAt(fd_.get(), path_))
            return;
        // replaced by a deletion meanwhile: the archive is the new file
    }
    failOnFile("impossibile bloccare", path_, EAGAIN);
}

void StoreFileStream::open() {
    hash_ = std::make_unique<Sha256>();
    entry_.size = 0;
    if (entry_.name == "Film.db")
        openFilmStore();
    else if (recordSize_ > 0)
        openRecordFile();
    else
        fd_ = openForReading(path_);
}

std::size_t StoreFileStream::read(char* into, std::size_t room) {
    for (;;) {
        const ssize_t n = ::read(fd_.get(), into, room);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failOnFile("impossibile leggere", path_, errno);
        hash_->add(into, static_cast<std::size_t>(n));
        entry_.size += static_cast<std::uint64_t>(n);
        return static_cast<std::size_t>(n);
    }
}

void StoreFileStream::close() {
    entry_.sha256 = hash_->hex();
    if (recordSize_ > 0)
        entry_.records = std::to_string(entry_.size / recordSize_);
    closeReader();
    fd_ = FileDescriptor();
}

void TextStream::open() {
    text_ = make_();
    position_ = 0;
}

std::size_t TextStream::read(char* into, std::size_t room) {
    const std::size_t n = std::min(room, text_.size() - position_);
    std::memcpy(into, text_.data() + position_, n);
    position_ += n;
    return n;
}

} // namespace filmeria
