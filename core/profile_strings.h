#pragma once
// Settings files in the Windows INI form, read and written with the rules of the
// operating system's profile-string functions: section and key names compared without
// regard to case, values trimmed and unquoted, every other line kept on update.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace filmeria {

// The value of `key` in `section` of a settings text, or "" when the section or the key is missing.
std::string profileValue(std::string_view content, std::string_view section, std::string_view key);

// The settings text with `key` in `section` set to `value` (see writeProfileString).
std::string withProfileValue(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value);

// The value of `key` in `section`, or "" when the file, the section or the key is missing.
// Throws ArchiveError when the file exists but cannot be read.
std::string readProfileString(const std::string& path, std::string_view section, std::string_view key);

// Sets `key` in `section` to `value`, adding the section or the key when missing and
// creating the file when absent. Key and section are written as given. The file is
// replaced atomically; throws ArchiveError on failure, leaving the file as it was.
void writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

// Sets several keys of one section in one change. The file is read and replaced under the
// exclusive lock of its temporary file, which every writer takes: two programs changing
// the file at once each see the other's change, and none is lost.
void writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values);

} // namespace filmeria
