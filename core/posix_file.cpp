#include "core/posix_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace filmeria {

void ignoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

std::string systemErrorText(int error) {
    switch (error) {
    case ENOENT:
        return "il file o la cartella non esiste";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOSPC:
        return "spazio esaurito sul disco";
    case EDQUOT:
        return "quota del disco superata";
    case EROFS:
        return "disco di sola lettura";
    case EFBIG:
        return "file troppo grande";
    case EISDIR:
        return "è una cartella";
    case ENOTDIR:
        return "un elemento del percorso non è una cartella";
    case EEXIST:
        return "il file esiste già";
    case ELOOP:
        return "collegamento simbolico non seguito";
    case EAGAIN:
        return "il file è in uso da un'altra postazione";
    case EIO:
        return "errore di lettura o scrittura del disco";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case ENAMETOOLONG:
        return "nome troppo lungo";
    default:
        return std::strerror(error);
    }
}

void failOnFile(const std::string& what, const std::string& path, int error) {
    throw ArchiveError(what + " '" + path + "': " + systemErrorText(error), error);
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void readExactly(int fd, char* buffer, std::size_t size, off_t offset, const std::string& path) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failOnFile("impossibile leggere", path, errno);
        if (n == 0)
            failOnFile("fine inattesa di", path, EIO);
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
            failOnFile("impossibile scrivere", path, errno);
        done += static_cast<std::size_t>(n);
    }
}

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
            failOnFile("impossibile copiare", path, n == 0 ? EIO : errno);
        size -= static_cast<std::size_t>(n);
    }
}

void flushToDisk(int fd, const std::string& path) {
    if (::fsync(fd) != 0)
        failOnFile("impossibile salvare su disco", path, errno);
}

void flushFolderOf(const std::string& path) {
    std::vector<char> copy(path.begin(), path.end());
    copy.push_back('\0');
    const FileDescriptor folder(::open(::dirname(copy.data()), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get()); // best effort: the rename has happened either way
}

bool lockWholeFile(int fd, bool exclusive, int waitMs) {
    struct flock region {};
    region.l_type = exclusive ? F_WRLCK : F_RDLCK;
    region.l_whence = SEEK_SET;
    for (int waited = 0;; waited += 10) {
        if (::fcntl(fd, F_OFD_SETLK, &region) == 0)
            return true;
        if ((errno != EAGAIN && errno != EACCES && errno != EINTR) || waited >= waitMs)
            return false;
        ::usleep(10000);
    }
}

bool isFileAt(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

void removeStaleTemporary(const std::string& tempPath) {
    const FileDescriptor fd(::open(tempPath.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.isOpen())
        return;
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && lockWholeFile(fd.get(), true, 0) &&
        isFileAt(fd.get(), tempPath))
        ::unlink(tempPath.c_str());
}

namespace {

// Opens the temporary file without following a link: made afresh when missing (readable by its
// user only until it takes the archive's permissions); an existing one is reused only when it
// is a plain file with no other name, the copy of another program of ours in progress or left
// by one that was killed. Anything else planted at the name (a link, a second name of another
// file, a pipe) is removed, never written through. An invalid descriptor: try again.
FileDescriptor openTemporary(const std::string& temp) {
    FileDescriptor fd(::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.isOpen() || errno != EEXIST) {
        if (!fd.isOpen())
            failOnFile("impossibile creare", temp, errno);
        return fd;
    }
    fd = FileDescriptor(::open(temp.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.isOpen() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1)
        return fd;
    if (!fd.isOpen() && errno == ENOENT)
        return FileDescriptor(-1); // renamed away a moment ago
    struct stat named {};
    if (::lstat(temp.c_str(), &named) == 0 && !S_ISDIR(named.st_mode)) {
        if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
            failOnFile("impossibile creare", temp, errno);
        return FileDescriptor(-1);
    }
    failOnFile("impossibile creare", temp, fd.isOpen() ? EEXIST : errno);
}

// Creates or reuses the temporary file and holds its lock; whoever gets the lock on a file that
// a rename has meanwhile turned into an archive opens the temporary name again.
FileDescriptor claimTemporary(const std::string& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        FileDescriptor fd = openTemporary(temp);
        if (!fd.isOpen())
            continue;
        if (!lockWholeFile(fd.get(), true))
            failOnFile("impossibile bloccare", temp, errno == 0 ? EAGAIN : errno);
        if (!isFileAt(fd.get(), temp))
            continue;
        if (::ftruncate(fd.get(), 0) != 0)
            failOnFile("impossibile creare", temp, errno);
        return fd;
    }
    failOnFile("impossibile bloccare", temp, EAGAIN);
}

} // namespace

FileDescriptor claimTemporaryFile(const std::string& tempPath) {
    return claimTemporary(tempPath);
}

std::optional<std::string> readWholeFile(const std::string& path) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.isOpen()) {
        if (errno == ENOENT)
            return std::nullopt;
        failOnFile("impossibile aprire", path, errno);
    }
    std::string content;
    // Room for the whole file at once, rather than a copy at every doubling.
    if (struct stat info{}; ::fstat(fd.get(), &info) == 0 && info.st_size > 0)
        content.reserve(static_cast<std::size_t>(info.st_size));
    readInBlocks(fd.get(), path, [&](const char* data, std::size_t n) { content.append(data, n); });
    return content;
}

void readInBlocks(int fd, const std::string& path,
                  const std::function<void(const char*, std::size_t)>& take) {
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failOnFile("impossibile leggere", path, errno);
        if (n == 0)
            return;
        take(buffer.data(), static_cast<std::size_t>(n));
    }
}

void replaceThroughTemporary(const std::string& path, const std::string& tempPath,
                             const std::function<void(int fd)>& write,
                             const std::function<void(ReplaceStep)>& beforeStep) {
    const auto step = [&](ReplaceStep s) {
        if (beforeStep)
            beforeStep(s);
    };
    // A link is rewritten through: its target is replaced, with the temporary file in the
    // target's folder so the rename stays within one file system.
    std::string target = path;
    std::string temp = tempPath;
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
        if (target != path) {
            const std::string::size_type slash = target.rfind('/');
            temp = target.substr(0, slash + 1) + tempPath.substr(tempPath.rfind('/') + 1);
        }
    }
    struct stat original {};
    const bool replacing = ::stat(target.c_str(), &original) == 0;

    step(ReplaceStep::CreateTemporary);
    // The lock is held until after the rename, so nobody truncates the copy on its way in.
    const FileDescriptor fd = claimTemporary(temp);
    try {
        if (replacing) {
            // The file keeps its permissions, and its owner where the system allows it.
            if (::fchmod(fd.get(), original.st_mode & 07777) != 0)
                failOnFile("impossibile impostare i permessi di", temp, errno);
            [[maybe_unused]] const int owned = ::fchown(fd.get(), original.st_uid, original.st_gid);
        }
        step(ReplaceStep::Write);
        write(fd.get());
        step(ReplaceStep::Flush);
        flushToDisk(fd.get(), temp);
        step(ReplaceStep::Rename);
        if (::rename(temp.c_str(), target.c_str()) != 0)
            failOnFile("impossibile sostituire", target, errno);
    } catch (...) {
        if (isFileAt(fd.get(), temp))
            ::unlink(temp.c_str());
        throw;
    }
    flushFolderOf(target);
}

void replaceFileAtomically(const std::string& path, const std::string& tempPath, std::string_view bytes) {
    replaceThroughTemporary(path, tempPath,
                            [&](int fd) { writeExactly(fd, bytes.data(), bytes.size(), 0, tempPath); });
}

} // namespace filmeria
