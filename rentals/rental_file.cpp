#include "rentals/rental_file.h"

#include "core/text_rules.h"

namespace filmeria {
namespace {

constexpr std::size_t kHeaderFields = 6;

RecordLayout makeLayout() {
    std::vector<FieldSpec> layoutFields;
    std::size_t offset = 0;
    const auto add = [&](std::string name, std::size_t capacity) {
        layoutFields.push_back({std::move(name), offset, capacity});
        offset += capacity + 1;
    };
    add("NumScheda", 10);
    add("Cliente", 50);
    add("Tessera", 50);
    add("Data", 10);
    add("Totale", 10);
    add("Saldato", 2);
    const std::pair<const char*, std::size_t> columns[] = {
        {"Codice", 20},    {"Titolo", 50},   {"Prestito", 10}, {"Riconsegna", 10},
        {"PrezzoDie", 10}, {"TotGiorni", 6}, {"PrezzoTot", 10}};
    for (const auto& [name, capacity] : columns) {
        for (int k = 1; k <= kSlipRows; ++k)
            add(std::string(name) + (k < 10 ? "0" : "") + std::to_string(k), capacity);
    }
    return RecordLayout(kRentalRecordSize, std::move(layoutFields));
}

const FieldSpec& fieldAt(std::size_t index) {
    return rentalLayout().fields()[index];
}

} // namespace

const RecordLayout& rentalLayout() {
    static const RecordLayout layout = makeLayout();
    return layout;
}

std::size_t fieldIndex(SlipField f) {
    return static_cast<std::size_t>(f);
}

std::size_t fieldIndex(RowField f, int row) {
    return kHeaderFields + static_cast<std::size_t>(f) * kSlipRows + static_cast<std::size_t>(row - 1);
}

std::string encodeRental(const RentalRecord& record) {
    std::string bytes(kRentalRecordSize, '\0');
    for (std::size_t i = 0; i < kRentalFieldCount; ++i)
        writeText(bytes, fieldAt(i), record.values[i]);
    return bytes;
}

RentalRecord decodeRental(std::span<const char> bytes) {
    RentalRecord record;
    for (std::size_t i = 0; i < kRentalFieldCount; ++i)
        record.values[i] = readText(bytes, fieldAt(i));
    return record;
}

std::string_view RentalView::stored(SlipField f) const {
    return storedText(bytes_, fieldAt(fieldIndex(f)));
}
std::string_view RentalView::stored(RowField f, int row) const {
    return storedText(bytes_, fieldAt(fieldIndex(f, row)));
}
std::string RentalView::text(SlipField f) const {
    return readText(bytes_, fieldAt(fieldIndex(f)));
}
std::string RentalView::text(RowField f, int row) const {
    return readText(bytes_, fieldAt(fieldIndex(f, row)));
}

std::string yearFilePath(const std::string& folder, const std::string& year) {
    return trimmed(folder + trimmed(year) + ".nol");
}

std::string rentalTempPath(const std::string& folder) {
    return trimmed(folder + "Noleggi.tmp");
}

RecordFile OpenYearFile(const std::string& folder, const std::string& year) {
    return RecordFile(yearFilePath(folder, year), kRentalRecordSize, RecordFile::IfMissing::Create);
}

std::size_t RecordCount(const RecordFile& file) {
    return file.count();
}

std::optional<RentalRecord> ReadSlip(const std::string& folder, const std::string& year,
                                     std::size_t position) {
    const RecordFile file = OpenYearFile(folder, year);
    if (file.count() == 0)
        return std::nullopt;
    return decodeRental(file.read(position));
}

std::size_t AppendSlip(const std::string& folder, const std::string& year, const RentalRecord& record) {
    RecordFile file = OpenYearFile(folder, year);
    return file.append(encodeRental(record));
}

std::size_t RewriteSlip(const std::string& folder, const std::string& year, std::size_t position,
                        const RentalRecord& record) {
    RecordFile file = OpenYearFile(folder, year);
    file.rewrite(position, encodeRental(record));
    return position;
}

void DeleteSlip(const std::string& folder, const std::string& year, std::size_t position,
                const DeletionFault& fault) {
    deleteRecord(yearFilePath(folder, year), rentalTempPath(folder), kRentalRecordSize, position, fault);
}

std::string NextSlipNumber(const std::string& folder, const std::string& year) {
    return std::to_string(OpenYearFile(folder, year).count() + 1);
}

void ScanSlips(const std::string& folder, const std::string& year,
               const std::function<bool(const RentalView&, std::size_t)>& visit) {
    const RecordFile file = OpenYearFile(folder, year);
    file.scan([&](std::span<const char> bytes, std::size_t position) {
        return visit(RentalView(bytes), position);
    });
}

} // namespace filmeria
