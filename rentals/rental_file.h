#pragma once
// The year files ("2009.nol"): one 1368-byte record per rental slip, up to ten films each.
#include "core/record_archive.h"

#include <array>
#include <string>

namespace filmeria {

enum class SlipField { NumScheda, Cliente, Tessera, Data, Totale, Saldato };
enum class RowField { Codice, Titolo, Prestito, Riconsegna, PrezzoDie, TotGiorni, PrezzoTot };

inline constexpr int kSlipRows = 10;

struct RentalLayout {
    static constexpr std::size_t kHeaderFields = 6;
    static constexpr std::size_t kRowFields = 7;
    // The header, then each row column for the ten rows: Codice01 ... Codice10, Titolo01 ...
    static constexpr auto kFields = [] {
        constexpr std::array<FieldLayout, kHeaderFields> header{{{"NumScheda", 0, 0, 10},
                                                                 {"Cliente", 0, 0, 50},
                                                                 {"Tessera", 0, 0, 50},
                                                                 {"Data", 0, 0, 10},
                                                                 {"Totale", 0, 0, 10},
                                                                 {"Saldato", 0, 0, 2}}};
        constexpr std::array<FieldLayout, kRowFields> columns{{{"Codice", 0, 0, 20},
                                                               {"Titolo", 0, 0, 50},
                                                               {"Prestito", 0, 0, 10},
                                                               {"Riconsegna", 0, 0, 10},
                                                               {"PrezzoDie", 0, 0, 10},
                                                               {"TotGiorni", 0, 0, 6},
                                                               {"PrezzoTot", 0, 0, 10}}};
        std::array<FieldLayout, kHeaderFields + kRowFields * kSlipRows> fields{};
        std::size_t i = 0;
        for (const FieldLayout& f : header)
            fields[i++] = f;
        for (const FieldLayout& column : columns) {
            for (int row = 1; row <= kSlipRows; ++row)
                fields[i++] = {column.name, row, 0, column.capacity};
        }
        return packFields(fields);
    }();
    static constexpr std::size_t kRecordSize = recordSizeOf(kFields);

    static constexpr std::size_t index(SlipField f) { return static_cast<std::size_t>(f); }
    // A column of film row `row` (1 to 10).
    static constexpr std::size_t index(RowField f, int row) {
        return kHeaderFields + static_cast<std::size_t>(f) * kSlipRows + static_cast<std::size_t>(row - 1);
    }
};
static_assert(RentalLayout::kRecordSize == 1368, "a rental slip record is 1368 bytes");

inline constexpr std::size_t kRentalRecordSize = RentalLayout::kRecordSize;
inline constexpr std::size_t kRentalFieldCount = RentalLayout::kFields.size();

using RentalRecord = FixedRecord<RentalLayout>;
using RentalView = FixedRecordView<RentalLayout>;
using RentalArchive = RecordArchive<RentalLayout>;

constexpr std::size_t fieldIndex(SlipField f) {
    return RentalLayout::index(f);
}
constexpr std::size_t fieldIndex(RowField f, int row) {
    return RentalLayout::index(f, row);
}
// How many bytes a field holds: the longest text its edit field takes.
constexpr int fieldCapacity(SlipField f) {
    return static_cast<int>(RentalLayout::kFields[RentalLayout::index(f)].capacity);
}
constexpr int fieldCapacity(RowField f) {
    return static_cast<int>(RentalLayout::kFields[RentalLayout::index(f, 1)].capacity);
}

inline constexpr const char* kPaid = "si";
inline constexpr const char* kNotPaid = "no";

// The year file of year text `year` in `folder`: folder + trimmed year + ".nol", trimmed.
std::string yearFilePath(const std::string& folder, const std::string& year);
std::string rentalTempPath(const std::string& folder);

// The year file of `year` in `folder` (with its trailing separator).
RentalArchive yearArchive(const std::string& folder, const std::string& year);

// Decimal text of the record count + 1 ("1" for an empty or new file).
std::string NextSlipNumber(const RentalArchive& archive);

struct SavedSlip {
    std::size_t position = 0;
    std::string number;      // the slip number as saved
    bool renumbered = false; // the proposed number was taken meanwhile
};

// Saves a new slip behind the last one. A slip that still carries the number the program
// proposed (`proposed`), when another slip of the year already has it (saved meanwhile by
// another counter, or proposed again after a deletion), takes the next free number above it.
// A number the operator typed is saved as typed.
SavedSlip appendNewSlip(const RentalArchive& archive, RentalRecord slip, const std::string& proposed);

} // namespace filmeria
