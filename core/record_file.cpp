#include "core/record_file.h"

#include "core/large_buffer_allocator.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace filmeria {

RecordFile::RecordFile(const std::string& path, std::size_t recordSize, IfMissing ifMissing, Lock lock)
    : path_(path)
    , recordSize_(recordSize) {
    // A deletion replaces the file while others wait for it: whoever gets the lock on a file
    // that is no longer the archive opens the archive again.
    for (int attempt = 0; attempt < 100; ++attempt) {
        created_ = false;
        fd_ = FileDescriptor(::open(path.c_str(), O_RDWR | O_CLOEXEC));
        if (!fd_.isOpen() && errno == ENOENT && ifMissing == IfMissing::Create) {
            fd_ = FileDescriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
            created_ = fd_.isOpen();
        }
        if (!fd_.isOpen() && errno == EEXIST)
            continue; // created by another program a moment ago
        if (!fd_.isOpen())
            failOnFile("impossibile aprire", path, errno);
        if (!lockWholeFile(fd_.get(), lock == Lock::Exclusive))
            failOnFile("impossibile bloccare", path, errno == 0 ? EAGAIN : errno);
        if (isFileAt(fd_.get(), path))
            return;
    }
    failOnFile("impossibile bloccare", path, EAGAIN);
}

void RecordFile::removeIfCreatedAndEmpty() {
    struct stat st {};
    if (created_ && ::fstat(fd_.get(), &st) == 0 && st.st_size == 0 && isFileAt(fd_.get(), path_))
        ::unlink(path_.c_str());
}

std::size_t RecordFile::count() const {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0)
        failOnFile("impossibile leggere la dimensione di", path_, errno);
    return static_cast<std::size_t>(st.st_size) / recordSize_;
}

std::string RecordFile::read(std::size_t position) const {
    if (position < 1 || position > count())
        throw ArchiveError("nessun record alla posizione " + std::to_string(position) + " di '" + path_ +
                           "'");
    std::string record(recordSize_, '\0');
    readExactly(fd_.get(), record.data(), recordSize_, static_cast<off_t>((position - 1) * recordSize_),
                path_);
    return record;
}

void RecordFile::readRecords(std::size_t first, std::size_t count, char* into) const {
    readExactly(fd_.get(), into, count * recordSize_, static_cast<off_t>((first - 1) * recordSize_), path_);
}

void RecordFile::writeAt(std::size_t position, std::span<const char> record) {
    if (record.size() != recordSize_)
        throw std::logic_error("record of the wrong size for '" + path_ + "'");
    writeExactly(fd_.get(), record.data(), recordSize_, static_cast<off_t>((position - 1) * recordSize_),
                 path_);
}

void RecordFile::rewrite(std::size_t position, std::span<const char> record) {
    // Writing past the last record would leave a gap of undefined records.
    if (position < 1 || position > count())
        throw ArchiveError("nessun record da riscrivere alla posizione " + std::to_string(position) +
                           " di '" + path_ + "'");
    writeAt(position, record);
}

std::size_t RecordFile::append(std::span<const char> record) {
    struct stat st {};
    if (::fstat(fd_.get(), &st) != 0)
        failOnFile("impossibile leggere la dimensione di", path_, errno);
    const std::size_t position = static_cast<std::size_t>(st.st_size) / recordSize_ + 1;
    try {
        writeAt(position, record);
    } catch (const ArchiveError&) {
        // A write that failed half-way (a full disk, a size limit) leaves no fragment behind:
        // the file goes back to the length it had.
        while (::ftruncate(fd_.get(), st.st_size) != 0 && errno == EINTR) {
        }
        throw;
    }
    return position;
}

void RecordFile::scan(const std::function<bool(std::span<const char>, std::size_t)>& visit) const {
    const std::size_t total = count();
    const std::size_t perBlock = std::max<std::size_t>(1, (1 << 20) / recordSize_);
    std::vector<char, LargeBufferAllocator<char>> block(perBlock * recordSize_);
    for (std::size_t first = 0; first < total; first += perBlock) {
        const std::size_t n = std::min(perBlock, total - first);
        readExactly(fd_.get(), block.data(), n * recordSize_, static_cast<off_t>(first * recordSize_), path_);
        for (std::size_t i = 0; i < n; ++i) {
            if (!visit(std::span<const char>(block.data() + i * recordSize_, recordSize_), first + i + 1))
                return;
        }
    }
}

void deleteRecord(const std::string& path, const std::string& tempPath, std::size_t recordSize,
                  std::size_t position, const DeletionFault& fault) {
    deleteFoundRecord(
        path, tempPath, recordSize, [position](const RecordFile&) { return position; }, fault);
}

std::optional<std::size_t> deleteFoundRecord(const std::string& path, const std::string& tempPath,
                                             std::size_t recordSize, const RecordFinder& find,
                                             const DeletionFault& fault) {
    const auto failIf = [&](DeletionStep s, const char* what, const std::string& name) {
        if (fault && fault(s))
            failOnFile(what, name, EIO);
    };
    failIf(DeletionStep::Open, "impossibile aprire", path);
    const RecordFile archive(path, recordSize, RecordFile::IfMissing::Fail, RecordFile::Lock::Exclusive);
    const std::optional<std::size_t> found = find(archive);
    if (!found)
        return std::nullopt;
    const std::size_t position = *found;
    const std::size_t total = archive.count();
    const auto copyAllBut = [&](int temp) {
        const int in = archive.descriptor();
        if (position >= 1 && position <= total) {
            const std::size_t before = (position - 1) * recordSize;
            const std::size_t after = (total - position) * recordSize;
            copyRange(in, 0, temp, 0, before, tempPath);
            copyRange(in, static_cast<off_t>(before + recordSize), temp, static_cast<off_t>(before), after,
                      tempPath);
        } else {
            copyRange(in, 0, temp, 0, total * recordSize, tempPath);
        }
    };
    replaceThroughTemporary(path, tempPath, copyAllBut, [&](ReplaceStep s) {
        switch (s) {
        case ReplaceStep::CreateTemporary:
            return failIf(DeletionStep::CreateTemporary, "impossibile creare", tempPath);
        case ReplaceStep::Write:
            return failIf(DeletionStep::Copy, "impossibile scrivere", tempPath);
        case ReplaceStep::Flush:
            return failIf(DeletionStep::Flush, "impossibile salvare su disco", tempPath);
        case ReplaceStep::Rename:
            return failIf(DeletionStep::Rename, "impossibile sostituire", path);
        }
    });
    return position;
}

} // namespace filmeria
