#include "core/record_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace filmeria {
namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path, int error = errno) {
    throw ArchiveError(what + " '" + path + "': " + std::strerror(error));
}

void readExactly(int fd, char* buffer, std::size_t size, off_t offset, const std::string& path) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot read", path);
        if (n == 0)
            fail("unexpected end of", path, EIO);
        done += static_cast<std::size_t>(n);
    }
}

void writeExactly(int fd, const char* buffer, std::size_t size, off_t offset, const std::string& path) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("cannot write", path);
        done += static_cast<std::size_t>(n);
    }
}

// Copies `size` bytes between two files, in the kernel where it can.
void copyRange(int from, off_t fromOffset, int to, off_t toOffset, std::size_t size,
               const std::string& path) {
    while (size > 0) {
        const ssize_t n = ::copy_file_range(from, &fromOffset, to, &toOffset, size, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP || errno == EINVAL)) {
            std::vector<char> buffer(1 << 20);
            while (size > 0) {
                const std::size_t chunk = std::min(size, buffer.size());
                readExactly(from, buffer.data(), chunk, fromOffset, path);
                writeExactly(to, buffer.data(), chunk, toOffset, path);
                fromOffset += static_cast<off_t>(chunk);
                toOffset += static_cast<off_t>(chunk);
                size -= chunk;
            }
            return;
        }
        if (n <= 0)
            fail("cannot copy", path, n == 0 ? EIO : errno);
        size -= static_cast<std::size_t>(n);
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    std::vector<char> copy(path.begin(), path.end());
    copy.push_back('\0');
    return ::dirname(copy.data());
}

} // namespace

RecordFile::RecordFile(const std::string& path, std::size_t recordSize, IfMissing ifMissing)
    : path_(path)
    , recordSize_(recordSize)
    , fd_(::open(path.c_str(), O_RDWR | O_CLOEXEC)) {
    if (fd_ < 0 && errno == ENOENT && ifMissing == IfMissing::Create)
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ < 0)
        fail("cannot open", path);
}

RecordFile::~RecordFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

RecordFile::RecordFile(RecordFile&& other) noexcept
    : path_(std::move(other.path_))
    , recordSize_(other.recordSize_)
    , fd_(std::exchange(other.fd_, -1)) {}

std::size_t RecordFile::count() const {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        fail("cannot measure", path_);
    return static_cast<std::size_t>(st.st_size) / recordSize_;
}

std::string RecordFile::read(std::size_t position) const {
    if (position < 1 || position > count())
        throw ArchiveError("no record at position " + std::to_string(position) + " of '" + path_ + "'");
    std::string record(recordSize_, '\0');
    readExactly(fd_, record.data(), recordSize_, static_cast<off_t>((position - 1) * recordSize_), path_);
    return record;
}

void RecordFile::writeAt(std::size_t position, std::span<const char> record) {
    if (record.size() != recordSize_)
        throw std::logic_error("record of the wrong size for '" + path_ + "'");
    writeExactly(fd_, record.data(), recordSize_, static_cast<off_t>((position - 1) * recordSize_), path_);
}

void RecordFile::rewrite(std::size_t position, std::span<const char> record) {
    // Writing past the last record would leave a gap of undefined records.
    if (position < 1 || position > count())
        throw ArchiveError("no record at position " + std::to_string(position) + " of '" + path_ +
                           "' to rewrite");
    writeAt(position, record);
}

std::size_t RecordFile::append(std::span<const char> record) {
    const std::size_t position = count() + 1;
    writeAt(position, record);
    return position;
}

void RecordFile::scan(const std::function<bool(std::span<const char>, std::size_t)>& visit) const {
    const std::size_t total = count();
    const std::size_t perBlock = std::max<std::size_t>(1, (1 << 20) / recordSize_);
    std::vector<char> block(perBlock * recordSize_);
    for (std::size_t first = 0; first < total; first += perBlock) {
        const std::size_t n = std::min(perBlock, total - first);
        readExactly(fd_, block.data(), n * recordSize_, static_cast<off_t>(first * recordSize_), path_);
        for (std::size_t i = 0; i < n; ++i) {
            if (!visit(std::span<const char>(block.data() + i * recordSize_, recordSize_), first + i + 1))
                return;
        }
    }
}

void deleteRecord(const std::string& path, const std::string& tempPath, std::size_t recordSize,
                  std::size_t position, const DeletionFault& fault) {
    const auto step = [&](DeletionStep s, const char* what, const std::string& name) {
        if (fault && fault(s))
            fail(what, name, EIO);
    };
    step(DeletionStep::Open, "cannot open", path);
    const RecordFile archive(path, recordSize, RecordFile::IfMissing::Fail);
    const std::size_t total = archive.count();

    step(DeletionStep::CreateTemporary, "cannot create", tempPath);
    Descriptor temp(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (temp.get() < 0)
        fail("cannot create", tempPath);
    try {
        Descriptor in(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (in.get() < 0)
            fail("cannot open", path);
        step(DeletionStep::Copy, "cannot write", tempPath);
        if (position >= 1 && position <= total) {
            const std::size_t before = (position - 1) * recordSize;
            const std::size_t after = (total - position) * recordSize;
            copyRange(in.get(), 0, temp.get(), 0, before, tempPath);
            copyRange(in.get(), static_cast<off_t>(before + recordSize), temp.get(),
                      static_cast<off_t>(before), after, tempPath);
        } else {
            copyRange(in.get(), 0, temp.get(), 0, total * recordSize, tempPath);
        }
        step(DeletionStep::Flush, "cannot flush", tempPath);
        if (::fsync(temp.get()) != 0)
            fail("cannot flush", tempPath);
        if (::close(temp.release()) != 0)
            fail("cannot close", tempPath);
        step(DeletionStep::Rename, "cannot replace", path);
        if (::rename(tempPath.c_str(), path.c_str()) != 0)
            fail("cannot replace", path);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    // Make the rename itself durable; the archive is already whole either way.
    Descriptor folder(::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

} // namespace filmeria
