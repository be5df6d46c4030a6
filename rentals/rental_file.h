#pragma once
// The year files ("2009.nol"): one 1368-byte record per rental slip, up to ten films each.
#include "core/record_file.h"
#include "core/record_layout.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace filmeria {

enum class SlipField { NumScheda, Cliente, Tessera, Data, Totale, Saldato };
enum class RowField { Codice, Titolo, Prestito, Riconsegna, PrezzoDie, TotGiorni, PrezzoTot };

inline constexpr std::size_t kRentalRecordSize = 1368;
inline constexpr std::size_t kRentalFieldCount = 76; // 6 slip fields and 7 per film row
inline constexpr int kSlipRows = 10;

const RecordLayout& rentalLayout();
// Index in the layout of a header field, or of a row field of row k (1 to 10).
std::size_t fieldIndex(SlipField f);
std::size_t fieldIndex(RowField f, int row);

struct RentalRecord {
    std::array<std::string, kRentalFieldCount> values;

    std::string& operator[](SlipField f) { return values[fieldIndex(f)]; }
    const std::string& operator[](SlipField f) const { return values[fieldIndex(f)]; }
    std::string& at(RowField f, int row) { return values[fieldIndex(f, row)]; }
    const std::string& at(RowField f, int row) const { return values[fieldIndex(f, row)]; }
    bool operator==(const RentalRecord&) const = default;
};

inline constexpr const char* kPaid = "si";
inline constexpr const char* kNotPaid = "no";

std::string encodeRental(const RentalRecord& record);
RentalRecord decodeRental(std::span<const char> bytes);

class RentalView {
public:
    explicit RentalView(std::span<const char> bytes)
        : bytes_(bytes) {}
    std::string_view stored(SlipField f) const;
    std::string_view stored(RowField f, int row) const;
    std::string text(SlipField f) const;
    std::string text(RowField f, int row) const;
    RentalRecord record() const { return decodeRental(bytes_); }

private:
    std::span<const char> bytes_;
};

// The year file of year text `year` in `folder`: folder + trimmed year + ".nol", trimmed.
std::string yearFilePath(const std::string& folder, const std::string& year);
std::string rentalTempPath(const std::string& folder);

// Opens the year file, creating it empty when missing; never truncates an existing one.
RecordFile OpenYearFile(const std::string& folder, const std::string& year);
std::size_t RecordCount(const RecordFile& file);

// Each operation below opens the year file, works and closes it; failures throw ArchiveError.
// The slip at a position; nullopt when the file holds no slip.
std::optional<RentalRecord> ReadSlip(const std::string& folder, const std::string& year,
                                     std::size_t position);
std::size_t AppendSlip(const std::string& folder, const std::string& year, const RentalRecord& record);
// Overwrites the slip at a position inside the file; a position past the end is an error.
std::size_t RewriteSlip(const std::string& folder, const std::string& year, std::size_t position,
                        const RentalRecord& record);
void DeleteSlip(const std::string& folder, const std::string& year, std::size_t position,
                const DeletionFault& fault = {});
// Decimal text of the record count + 1 ("1" for an empty or new file).
std::string NextSlipNumber(const std::string& folder, const std::string& year);
void ScanSlips(const std::string& folder, const std::string& year,
               const std::function<bool(const RentalView&, std::size_t)>& visit);

} // namespace filmeria
