#pragma once
// Fixed-size records made of length-prefixed text fields: one length byte L, then the
// field's capacity N in bytes, of which the first L hold the text (Windows-1252). A record
// kind is a table of field names and capacities, from which the offsets are computed at
// compile time; records, their views and their bytes follow from that one table.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace filmeria {

// One field of a record: its name (with the film row of a slip, 1 to 10, or 0), the offset
// of its length byte and its capacity in bytes.
struct FieldLayout {
    std::string_view name;
    int row = 0;
    std::size_t offset = 0;
    std::size_t capacity = 0;

    // The name as the archive's documentation and exports give it: "Nome", "Codice01".
    std::string label() const;
};

// Packs a table of names and capacities without padding, in table order.
template <std::size_t N> constexpr std::array<FieldLayout, N> packFields(std::array<FieldLayout, N> fields) {
    std::size_t offset = 0;
    for (FieldLayout& f : fields) {
        f.offset = offset;
        offset += 1 + f.capacity;
    }
    return fields;
}

template <std::size_t N> constexpr std::size_t recordSizeOf(const std::array<FieldLayout, N>& fields) {
    return fields.back().offset + 1 + fields.back().capacity;
}

// The significant bytes of a field as stored, untrimmed. A length byte beyond the field's
// capacity (a damaged record) is read as the capacity, never past the field.
inline std::string_view storedText(std::span<const char> record, const FieldLayout& field) {
    const auto length =
        std::min<std::size_t>(static_cast<unsigned char>(record[field.offset]), field.capacity);
    return {record.data() + field.offset + 1, length};
}

// A field's value as shown: the significant bytes, trimmed.
std::string readText(std::span<const char> record, const FieldLayout& field);

// Stores a value: trimmed, cut to 255, cut to the capacity; the bytes after it are zeroed.
void writeText(std::span<char> record, const FieldLayout& field, std::string_view value);

// Whether the field's length byte is beyond its capacity.
bool lengthExceedsCapacity(std::span<const char> record, const FieldLayout& field);

// The values of one record of a kind. `Layout` gives `kFields` (the packed table),
// `kRecordSize`, and `index(key...)` from the kind's field names to table indexes.
template <typename Layout> struct FixedRecord {
    static constexpr std::size_t kFieldCount = Layout::kFields.size();
    std::array<std::string, kFieldCount> values;

    template <typename Key> std::string& operator[](Key key) { return values[Layout::index(key)]; }
    template <typename Key> const std::string& operator[](Key key) const {
        return values[Layout::index(key)];
    }
    template <typename... Key> std::string& at(Key... key) { return values[Layout::index(key...)]; }
    template <typename... Key> const std::string& at(Key... key) const {
        return values[Layout::index(key...)];
    }
    bool operator==(const FixedRecord&) const = default;

    // The record's bytes: every value trimmed, cut to 255 and to its capacity.
    std::string encode() const {
        std::string bytes(Layout::kRecordSize, '\0');
        for (std::size_t i = 0; i < kFieldCount; ++i)
            writeText(bytes, Layout::kFields[i], values[i]);
        return bytes;
    }
    static FixedRecord decode(std::span<const char> bytes) {
        FixedRecord record;
        for (std::size_t i = 0; i < kFieldCount; ++i)
            record.values[i] = readText(bytes, Layout::kFields[i]);
        return record;
    }
};

// The raw bytes of one record, read field by field without decoding the rest.
template <typename Layout> class FixedRecordView {
public:
    explicit FixedRecordView(std::span<const char> bytes)
        : bytes_(bytes) {}
    template <typename... Key> std::string_view stored(Key... key) const {
        return storedText(bytes_, Layout::kFields[Layout::index(key...)]);
    }
    template <typename... Key> std::string text(Key... key) const {
        return readText(bytes_, Layout::kFields[Layout::index(key...)]);
    }
    FixedRecord<Layout> record() const { return FixedRecord<Layout>::decode(bytes_); }
    std::span<const char> bytes() const { return bytes_; }

private:
    std::span<const char> bytes_;
};

} // namespace filmeria
