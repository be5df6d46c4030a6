#pragma once
// Fixed-size records made of length-prefixed text fields: one length byte L, then the
// field's capacity N in bytes, of which the first L hold the text (Windows-1252).
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace filmeria {

struct FieldSpec {
    std::string name;
    std::size_t offset;   // of the length byte
    std::size_t capacity; // text bytes after the length byte
};

// The fields of one record kind, in file order, packed without padding.
class RecordLayout {
public:
    RecordLayout(std::size_t recordSize, std::vector<FieldSpec> fields);

    std::size_t recordSize() const { return recordSize_; }
    const std::vector<FieldSpec>& fields() const { return fields_; }

private:
    std::size_t recordSize_;
    std::vector<FieldSpec> fields_;
};

// The significant bytes of a field as stored, untrimmed. A length byte beyond the field's
// capacity (a damaged record) is read as the capacity, never past the field.
std::string_view storedText(std::span<const char> record, const FieldSpec& field);

// A field's value as shown: the significant bytes, trimmed.
std::string readText(std::span<const char> record, const FieldSpec& field);

// Stores a value: trimmed, cut to 255, cut to the capacity; the bytes after it are zeroed.
void writeText(std::span<char> record, const FieldSpec& field, std::string_view value);

// Whether the field's length byte is beyond its capacity.
bool lengthExceedsCapacity(std::span<const char> record, const FieldSpec& field);

// Raw bytes of one record of a layout, with named field access.
class RecordView {
public:
    RecordView(std::span<const char> bytes, const RecordLayout& layout)
        : bytes_(bytes)
        , layout_(&layout) {}
    std::string text(std::size_t field) const { return readText(bytes_, layout_->fields()[field]); }
    std::string_view stored(std::size_t field) const { return storedText(bytes_, layout_->fields()[field]); }
    std::span<const char> bytes() const { return bytes_; }
    const RecordLayout& layout() const { return *layout_; }

private:
    std::span<const char> bytes_;
    const RecordLayout* layout_;
};

// A record's field values, in layout order, and their encoding.
std::vector<std::string> decodeRecord(std::span<const char> bytes, const RecordLayout& layout);
std::string encodeRecord(const std::vector<std::string>& values, const RecordLayout& layout);

} // namespace filmeria
