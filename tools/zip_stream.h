#pragma once
// Bytes handed to the ZIP library as it writes an entry, rather than from a file written first:
// the stream is opened when the library comes to its entry and closed as soon as it is read.
#include <zip.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace filmeria {

class ZipStream {
public:
    ZipStream();
    virtual ~ZipStream();
    ZipStream(const ZipStream&) = delete;
    ZipStream& operator=(const ZipStream&) = delete;

    // Adds the stream to `archive` as `name`; the stream must outlive the archive's close.
    // Returns the entry's index, or -1.
    zip_int64_t addTo(zip_t* archive, const std::string& name);
    // Why reading failed, empty while it did not: the archive's close then fails with it.
    const std::string& failure() const { return failure_; }

protected:
    // Each may throw; the message becomes the failure.
    virtual void open() = 0;
    virtual std::size_t read(char* into, std::size_t room) = 0; // 0 at the end
    virtual void close() = 0;
    // The expected size, for the library's progress; 0 when unknown.
    virtual std::uint64_t expectedSize() const { return 0; }

private:
    static zip_int64_t command(void* self, void* data, zip_uint64_t length, zip_source_cmd_t cmd);
    zip_int64_t failed(const char* message, int zipError, int systemError);

    zip_error_t error_;
    std::string failure_;
};

} // namespace filmeria
