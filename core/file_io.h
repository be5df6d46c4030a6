#pragma once
// Whole-file reads and crash-safe whole-file replacement.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace filmeria {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole content of a file; nullopt when it does not exist. Throws FileError when it
// exists but cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes `bytes` into `tempPath` (same folder as `path`), flushes it to disk and renames it
// over `path` in one step, so `path` is never missing or half-written. On failure the
// temporary file is removed, `path` is left as it was and FileError is thrown.
void replaceFileAtomically(const std::string& path, const std::string& tempPath, std::string_view bytes);

} // namespace filmeria
