#pragma once
// A file of fixed-size records, open for one operation. Positions are 1-based.
#include "core/posix_file.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace filmeria {

class RecordFile {
public:
    enum class IfMissing { Create, Fail };
    // The advisory lock held for the whole operation: shared to read and scan, exclusive to
    // append, rewrite or delete, so two programs on one folder never lose a record.
    enum class Lock { Shared, Exclusive };

    // Opens for reading and writing and takes the lock. An existing file is never truncated:
    // a failure to open it is an error, never a reason to create it anew. A lock that cannot
    // be had within a few seconds is an ArchiveError.
    RecordFile(const std::string& path, std::size_t recordSize, IfMissing ifMissing,
               Lock lock = Lock::Shared);

    // Whole records only; a shorter fragment at the end is never counted or read.
    std::size_t count() const;
    std::string read(std::size_t position) const;
    // Overwrites the record at a position inside the file.
    void rewrite(std::size_t position, std::span<const char> record);
    // Writes behind the last whole record; returns the new record's position.
    std::size_t append(std::span<const char> record);
    // Hands every whole record to `visit` in file order, reading in large blocks.
    // `visit` returns false to stop early.
    void scan(const std::function<bool(std::span<const char> record, std::size_t position)>& visit) const;
    // Reads the `count` whole records from `first` on into `into`. Several threads may read
    // parts of one open file at once.
    void readRecords(std::size_t first, std::size_t count, char* into) const;

    const std::string& path() const { return path_; }
    int descriptor() const { return fd_.get(); }
    // An archive this operation created and left empty (its write failed) is removed again:
    // a failed first save of a year leaves no empty year file.
    void removeIfCreatedAndEmpty();
    std::size_t recordSize() const { return recordSize_; }

private:
    void writeAt(std::size_t position, std::span<const char> record);

    std::string path_;
    std::size_t recordSize_;
    FileDescriptor fd_;
    bool created_ = false;
};

// The steps of a deletion, so tests can make any of them fail.
enum class DeletionStep { Open, CreateTemporary, Copy, Flush, Rename };
using DeletionFault = std::function<bool(DeletionStep)>; // true: the step fails

// Removes the record at `position` by writing the other whole records, in order, into
// `tempPath` (in the archive's folder), flushing it to disk and renaming it over the
// archive in one step. The archive is never missing or half-written; on any failure it
// stays as it was, the temporary file is removed and ArchiveError is thrown. A missing
// archive is an error. A position beyond the last record rewrites the file unchanged.
void deleteRecord(const std::string& path, const std::string& tempPath, std::size_t recordSize,
                  std::size_t position, const DeletionFault& fault = {});

// The same, for the record `find` names under the exclusive lock (nullopt: nothing is
// deleted). Returns the position deleted.
using RecordFinder = std::function<std::optional<std::size_t>(const RecordFile& file)>;
std::optional<std::size_t> deleteFoundRecord(const std::string& path, const std::string& tempPath,
                                             std::size_t recordSize, const RecordFinder& find,
                                             const DeletionFault& fault = {});

} // namespace filmeria
