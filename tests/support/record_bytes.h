#pragma once
// Hand-built record bytes for the byte-exact archive tests.
#include <string>

namespace filmeria::testing {

// One length-prefixed field: length byte, then the text; the caller's zeros fill the rest.
inline void put(std::string& record, std::size_t offset, const std::string& text) {
    record[offset] = static_cast<char>(text.size());
    record.replace(offset + 1, text.size(), text);
}

} // namespace filmeria::testing
