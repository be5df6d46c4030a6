#include "core/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filmeria {
namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path) {
    throw FileError(what + " '" + path + "': " + std::strerror(errno));
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        fail("cannot open", path);
    }
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail("cannot read", path);
        }
        if (n == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(n));
    }
    return content;
}

void replaceFileAtomically(const std::string& path, const std::string& tempPath, std::string_view bytes) {
    Descriptor fd(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.get() < 0)
        fail("cannot create", tempPath);
    try {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail("cannot write", tempPath);
            }
            done += static_cast<std::size_t>(n);
        }
        if (::fsync(fd.get()) != 0)
            fail("cannot flush", tempPath);
        if (::close(fd.release()) != 0)
            fail("cannot close", tempPath);
        if (::rename(tempPath.c_str(), path.c_str()) != 0)
            fail("cannot replace", path);
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
}

} // namespace filmeria
