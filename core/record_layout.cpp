#include "core/record_layout.h"

#include "core/text_rules.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace filmeria {

RecordLayout::RecordLayout(std::size_t recordSize, std::vector<FieldSpec> fields)
    : recordSize_(recordSize)
    , fields_(std::move(fields)) {
    std::size_t next = 0;
    for (const FieldSpec& f : fields_) {
        if (f.offset != next || f.capacity > 255)
            throw std::logic_error("record layout is not packed at field " + f.name);
        next = f.offset + 1 + f.capacity;
    }
    if (next != recordSize_)
        throw std::logic_error("record layout does not fill its record");
}

std::string_view storedText(std::span<const char> record, const FieldSpec& field) {
    const auto length =
        std::min<std::size_t>(static_cast<unsigned char>(record[field.offset]), field.capacity);
    return {record.data() + field.offset + 1, length};
}

std::string readText(std::span<const char> record, const FieldSpec& field) {
    return trimmed(storedText(record, field));
}

void writeText(std::span<char> record, const FieldSpec& field, std::string_view value) {
    std::string_view text = trimmedView(value);
    text = text.substr(0, std::min<std::size_t>({text.size(), 255, field.capacity}));
    char* target = record.data() + field.offset;
    target[0] = static_cast<char>(static_cast<unsigned char>(text.size()));
    std::memcpy(target + 1, text.data(), text.size());
    std::memset(target + 1 + text.size(), 0, field.capacity - text.size());
}

bool lengthExceedsCapacity(std::span<const char> record, const FieldSpec& field) {
    return static_cast<unsigned char>(record[field.offset]) > field.capacity;
}

std::vector<std::string> decodeRecord(std::span<const char> bytes, const RecordLayout& layout) {
    std::vector<std::string> values;
    values.reserve(layout.fields().size());
    for (const FieldSpec& f : layout.fields())
        values.push_back(readText(bytes, f));
    return values;
}

std::string encodeRecord(const std::vector<std::string>& values, const RecordLayout& layout) {
    std::string bytes(layout.recordSize(), '\0');
    for (std::size_t i = 0; i < layout.fields().size(); ++i)
        writeText(bytes, layout.fields()[i], i < values.size() ? values[i] : std::string_view());
    return bytes;
}

} // namespace filmeria
