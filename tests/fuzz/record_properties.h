#pragma once
// Properties every record kind keeps, whatever bytes a file holds: each field reads within its
// capacity, and storing what was read is stable (a second read-and-store changes nothing).
#include "core/record_layout.h"
#include "fuzz_target.h"

#include <string>
#include <string_view>

namespace filmeria::fuzz {

// The input as one record: cut or padded with zeros to the record's size.
template <typename Layout> std::string asRecordBytes(std::string_view input) {
    std::string bytes(input.substr(0, Layout::kRecordSize));
    bytes.resize(Layout::kRecordSize, '\0');
    return bytes;
}

template <typename Layout> void checkRecordProperties(const std::string& bytes) {
    using Record = FixedRecord<Layout>;
    const Record read = Record::decode(bytes);
    for (std::size_t i = 0; i < Record::kFieldCount; ++i) {
        const FieldLayout& field = Layout::kFields[i];
        FUZZ_EXPECT(read.values[i].size() <= field.capacity, bytes);
        FUZZ_EXPECT(storedText(bytes, field).size() <= field.capacity, bytes);
        FUZZ_EXPECT(read.values[i] == readText(bytes, field), bytes);
    }
    const std::string stored = read.encode();
    FUZZ_EXPECT(stored.size() == Layout::kRecordSize, bytes);
    FUZZ_EXPECT(Record::decode(stored).encode() == stored, bytes);
}

} // namespace filmeria::fuzz
