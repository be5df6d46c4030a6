#pragma once
// A store file read into the backup's ZIP while the library writes it: the film archive inside
// a read transaction (no counter can commit while its bytes pass), a record file under its
// shared lock, each held only while it is read. Size, SHA-256 and record count are taken from
// the bytes as they pass, so the manifest describes exactly what was written, and no copy of the
// store is made on the way.
#include "core/posix_file.h"
#include "tools/backup.h"
#include "tools/sha256.h"
#include "tools/zip_stream.h"

#include <functional>
#include <memory>

struct sqlite3;

namespace filmeria {

class StoreFileStream : public ZipStream {
public:
    // `folder` with its trailing separator. `scratch` is a path the stream may use for a copy of
    // a film archive kept in write-ahead-log mode, whose file alone is not the archive.
    StoreFileStream(const std::string& folder, const std::string& name, std::string scratch);
    ~StoreFileStream() override;

    // Checks now that the file can be read (the film archive: that its films can be counted);
    // throws ArchiveError if not, so the file is left out before the ZIP is written.
    void check();
    // The manifest's line, complete once the library has read the stream through.
    const ManifestEntry& entry() const { return entry_; }

protected:
    void open() override;
    std::size_t read(char* into, std::size_t room) override;
    void close() override;
    std::uint64_t expectedSize() const override { return expected_; }

private:
    void openFilmStore();
    void openRecordFile();
    void closeReader();

    std::string path_;
    std::string scratch_;
    ManifestEntry entry_;
    std::uint64_t expected_ = 0;
    std::size_t recordSize_ = 0; // 0 for a file that is not a record file
    FileDescriptor fd_;
    sqlite3* reader_ = nullptr;
    std::unique_ptr<Sha256> hash_;
};

// A text made when the library comes to its entry: the manifest, written after the files.
class TextStream : public ZipStream {
public:
    explicit TextStream(std::function<std::string()> make)
        : make_(std::move(make)) {}

protected:
    void open() override;
    std::size_t read(char* into, std::size_t room) override;
    void close() override {}

private:
    std::function<std::string()> make_;
    std::string text_;
    std::size_t position_ = 0;
};

} // namespace filmeria
