#pragma once
// The one file helper of the archives and settings files: a RAII descriptor, exact reads
// and writes, whole-file reads and crash-safe whole-file replacement. Every failure is an
// ArchiveError, which the screens turn into the archive access message.
#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace filmeria {

// Any failure to open, create, read, write or replace a file of the program's folder.
class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const std::string& message, int error = 0)
        : std::runtime_error(message)
        , error_(error) {}
    // The system's error number, 0 when the failure is the program's own finding.
    int error() const { return error_; }

private:
    int error_;
};

// A write beyond the process's file-size limit fails with an error instead of ending the
// program with SIGXFSZ. Called once at start-up.
void ignoreFileSizeSignal();

// Throws ArchiveError with the system's reason: "cannot open '<path>': No such file...".
// The system's error number in the program's words (Italian), whatever the locale.
std::string systemErrorText(int error);
[[noreturn]] void failOnFile(const std::string& what, const std::string& path, int error);

// An open file descriptor, closed when it goes. Move-only.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

void readExactly(int fd, char* buffer, std::size_t size, off_t offset, const std::string& path);
void writeExactly(int fd, const char* buffer, std::size_t size, off_t offset, const std::string& path);
// Copies `size` bytes between two files, in the kernel where it can.
void copyRange(int from, off_t fromOffset, int to, off_t toOffset, std::size_t size, const std::string& path);
// Flushes a file's data to disk.
void flushToDisk(int fd, const std::string& path);
// Makes a rename in the folder of `path` durable; the files are whole either way.
void flushFolderOf(const std::string& path);

// Takes an open-file-description lock on the whole file (shared or exclusive), waiting
// `waitMs` milliseconds at most; false when it could not be had. The lock goes with the
// descriptor's last close, and two descriptors of one process exclude each other too.
bool lockWholeFile(int fd, bool exclusive, int waitMs = 5000);
// True while `path` names the file open on `fd` (not replaced or removed meanwhile).
bool isFileAt(int fd, const std::string& path);

// Removes a temporary file a killed program left behind. One that another program is
// using holds its lock and stays.
void removeStaleTemporary(const std::string& tempPath);

// Reads a file from its current position to its end in blocks, handing each to `take`.
void readInBlocks(int fd, const std::string& path, const std::function<void(const char*, std::size_t)>& take);

// The whole content of a file; nullopt when it does not exist.
std::optional<std::string> readWholeFile(const std::string& path);

// The steps of a replacement through a temporary file, so tests can make any of them fail.
enum class ReplaceStep { CreateTemporary, Write, Flush, Rename };

// Creates `tempPath` (in the folder of `path`), lets `write` fill it through its descriptor,
// flushes it to disk and renames it over `path` in one step, so `path` is never missing or
// half-written. On failure the temporary file is removed and `path` is left as it was.
// The temporary file is locked while in use: archives that share one temporary name
// (every year file) take turns instead of writing into each other's copy.
// `beforeStep` runs before each step and may throw to make it fail.
void replaceThroughTemporary(const std::string& path, const std::string& tempPath,
                             const std::function<void(int fd)>& write,
                             const std::function<void(ReplaceStep)>& beforeStep = {});

// Creates a temporary file (or takes over a stale one of ours) without following a link,
// empty, with its exclusive lock held: the way every temporary copy of the program is made.
FileDescriptor claimTemporaryFile(const std::string& tempPath);

// Replaces `path` with `bytes` through `tempPath`, as above.
void replaceFileAtomically(const std::string& path, const std::string& tempPath, std::string_view bytes);

} // namespace filmeria
