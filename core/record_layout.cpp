#include "core/record_layout.h"

#include "core/text_rules.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace filmeria {

std::string FieldLayout::label() const {
    std::string out(name);
    if (row > 0)
        out += (row < 10 ? "0" : "") + std::to_string(row);
    return out;
}

std::string readText(std::span<const char> record, const FieldLayout& field) {
    return trimmed(storedText(record, field));
}

void writeText(std::span<char> record, const FieldLayout& field, std::string_view value) {
    std::string_view text = trimmedView(value);
    text = text.substr(0, std::min<std::size_t>({text.size(), 255, field.capacity}));
    char* target = record.data() + field.offset;
    target[0] = static_cast<char>(static_cast<unsigned char>(text.size()));
    std::memcpy(target + 1, text.data(), text.size());
    std::memset(target + 1 + text.size(), 0, field.capacity - text.size());
}

bool lengthExceedsCapacity(std::span<const char> record, const FieldLayout& field) {
    return static_cast<unsigned char>(record[field.offset]) > field.capacity;
}

} // namespace filmeria
