#include "tools/zip_stream.h"

#include "core/posix_file.h"

#include <cerrno>
#include <exception>

namespace filmeria {

ZipStream::ZipStream() {
    zip_error_init(&error_);
}

ZipStream::~ZipStream() {
    zip_error_fini(&error_);
}

zip_int64_t ZipStream::addTo(zip_t* archive, const std::string& name) {
    zip_source_t* source = zip_source_function(archive, &ZipStream::command, this);
    const zip_int64_t index = source ? zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0)
        zip_source_free(source);
    return index;
}

zip_int64_t ZipStream::failed(const char* message, int zipError, int systemError) {
    failure_ = message;
    zip_error_set(&error_, zipError, systemError);
    return -1;
}

zip_int64_t ZipStream::command(void* self, void* data, zip_uint64_t length, zip_source_cmd_t cmd) {
    auto* stream = static_cast<ZipStream*>(self);
    // Nothing may be thrown through the library: a failure is kept and reported as its error.
    try {
        switch (cmd) {
        case ZIP_SOURCE_OPEN:
            stream->open();
            return 0;
        case ZIP_SOURCE_READ:
            return static_cast<zip_int64_t>(stream->read(static_cast<char*>(data), length));
        case ZIP_SOURCE_CLOSE:
            stream->close();
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* st = static_cast<zip_stat_t*>(data);
            zip_stat_init(st);
            if (const std::uint64_t size = stream->expectedSize(); size > 0) {
                st->size = size;
                st->valid |= ZIP_STAT_SIZE;
            }
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&stream->error_, data, length);
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&stream->error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    } catch (const ArchiveError& e) {
        return stream->failed(e.what(), ZIP_ER_READ, e.error());
    } catch (const std::exception& e) {
        return stream->failed(e.what(), ZIP_ER_READ, EIO);
    }
}

} // namespace filmeria
