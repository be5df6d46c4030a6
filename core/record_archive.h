#pragma once
// An archive of fixed-size records in one file, a record identified only by its 1-based
// position. Every operation opens the file (creating it empty when missing, never truncating
// an existing one), works and closes it: nothing stays open between the operator's actions.
// Failures throw ArchiveError.
#include "core/record_file.h"
#include "core/record_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace filmeria {

template <typename Layout> class RecordArchive {
public:
    using Record = FixedRecord<Layout>;
    using View = FixedRecordView<Layout>;

    // `tempPath`: the temporary copy a deletion writes, in the archive's folder.
    RecordArchive(std::string path, std::string tempPath)
        : path_(std::move(path))
        , tempPath_(std::move(tempPath)) {}

    // Whole records only; a shorter fragment at the end is never counted or read.
    std::size_t count() const { return open().count(); }
    Record readAt(std::size_t position) const { return Record::decode(open().read(position)); }
    // Overwrites the record at a position inside the file; the file keeps its length.
    void writeAt(std::size_t position, const Record& record) const {
        open(RecordFile::Lock::Exclusive).rewrite(position, record.encode());
    }
    // Writes behind the last whole record; returns its position.
    std::size_t append(const Record& record) const {
        return locked([&](RecordFile& file) { return file.append(record.encode()); });
    }
    // Runs `work` on the open file under the exclusive lock, for an operation of several steps
    // (count, then write) that no other program may come between.
    template <typename Work> auto locked(Work&& work) const {
        RecordFile file = open(RecordFile::Lock::Exclusive);
        try {
            return work(file);
        } catch (...) {
            file.removeIfCreatedAndEmpty();
            throw;
        }
    }
    // Rewrites the file without the record, through the temporary copy (see deleteRecord).
    void deleteAt(std::size_t position, const DeletionFault& fault = {}) const {
        deleteRecord(path_, tempPath_, Layout::kRecordSize, position, fault);
    }
    // The record a screen read at `position` (`loaded`) is rewritten with `record` or deleted only
    // where it still is: at `position` when it holds it, else at the nearest position that does
    // (records before it deleted by another program); the position acted on, or nullopt, with
    // nothing written, when no record holds it any more (another program changed or deleted it).
    std::optional<std::size_t> rewriteLoaded(std::size_t position, const Record& loaded,
                                             const Record& record) const {
        RecordFile file = open(RecordFile::Lock::Exclusive);
        const auto found = locate(file, position, loaded);
        if (found)
            file.rewrite(*found, record.encode());
        return found;
    }
    std::optional<std::size_t> deleteLoaded(std::size_t position, const Record& loaded,
                                            const DeletionFault& fault = {}) const {
        return deleteFoundRecord(
            path_, tempPath_, Layout::kRecordSize,
            [&](const RecordFile& file) { return locate(file, position, loaded); }, fault);
    }

    // Every record in file order with its position; `visit` returns false to stop.
    void scan(const std::function<bool(const View&, std::size_t)>& visit) const {
        open().scan(
            [&](std::span<const char> bytes, std::size_t position) { return visit(View(bytes), position); });
    }

    const std::string& path() const { return path_; }

private:
    RecordFile open(RecordFile::Lock lock = RecordFile::Lock::Shared) const {
        RecordFile file(path_, Layout::kRecordSize, RecordFile::IfMissing::Create, lock);
        // Under the exclusive lock no deletion of this archive is under way: a temporary copy
        // still there was left by a program that was killed.
        if (lock == RecordFile::Lock::Exclusive)
            removeStaleTemporary(tempPath_);
        return file;
    }

    static std::optional<std::size_t> locate(const RecordFile& file, std::size_t position,
                                             const Record& loaded) {
        const std::size_t count = file.count();
        if (position >= 1 && position <= count && Record::decode(file.read(position)) == loaded)
            return position;
        std::optional<std::size_t> nearest;
        const auto distance = [position](std::size_t p) {
            return p > position ? p - position : position - p;
        };
        file.scan([&](std::span<const char> bytes, std::size_t p) {
            if ((!nearest || distance(p) < distance(*nearest)) && Record::decode(bytes) == loaded)
                nearest = p;
            return true;
        });
        return nearest;
    }

    std::string path_;
    std::string tempPath_;
};

} // namespace filmeria
