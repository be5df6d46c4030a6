#include "customers/customer_file.h"

#include "core/text_rules.h"

namespace filmeria {
namespace {

RecordLayout makeLayout() {
    const std::pair<const char*, std::size_t> fields[] = {
        {"Nome", 120},      {"Indirizzo", 250}, {"Cap", 10},     {"Citta", 120}, {"Prov", 2},
        {"DataNasc", 10},   {"LuogoNasc", 120}, {"CodFisc", 16}, {"Iva", 11},    {"Tessera", 50},
        {"Iscrizione", 10}, {"Noleggio", 200},  {"TelCasa", 50}, {"TelUff", 50}, {"TelCel", 50},
        {"Fax", 50},        {"Email", 250},     {"Trama", 255}};
    std::vector<FieldSpec> layoutFields;
    std::size_t offset = 0;
    for (const auto& [name, capacity] : fields) {
        layoutFields.push_back({name, offset, capacity});
        offset += capacity + 1;
    }
    return RecordLayout(kCustomerRecordSize, std::move(layoutFields));
}

const FieldSpec& fieldAt(CustomerField f) {
    return customerLayout().fields()[static_cast<std::size_t>(f)];
}

} // namespace

const RecordLayout& customerLayout() {
    static const RecordLayout layout = makeLayout();
    return layout;
}

std::string encodeCustomer(const CustomerRecord& record) {
    std::string bytes(kCustomerRecordSize, '\0');
    for (std::size_t i = 0; i < kCustomerFieldCount; ++i)
        writeText(bytes, customerLayout().fields()[i], record.values[i]);
    return bytes;
}

CustomerRecord decodeCustomer(std::span<const char> bytes) {
    CustomerRecord record;
    for (std::size_t i = 0; i < kCustomerFieldCount; ++i)
        record.values[i] = readText(bytes, customerLayout().fields()[i]);
    return record;
}

std::string_view CustomerView::stored(CustomerField f) const {
    return storedText(bytes_, fieldAt(f));
}
std::string CustomerView::text(CustomerField f) const {
    return readText(bytes_, fieldAt(f));
}

std::string customerFilePath(const std::string& folder) {
    return trimmed(folder + "Clienti.pro");
}
std::string customerTempPath(const std::string& folder) {
    return trimmed(folder + "Clienti.tmp");
}

CustomerFile OpenCustomerFile(const std::string& folder) {
    return RecordFile(customerFilePath(folder), kCustomerRecordSize, RecordFile::IfMissing::Create);
}

std::size_t CustomerCount(const CustomerFile& file) {
    return file.count();
}

CustomerRecord ReadCustomerAt(const CustomerFile& file, std::size_t position) {
    return decodeCustomer(file.read(position));
}

void WriteCustomerAt(CustomerFile& file, std::size_t position, const CustomerRecord& record) {
    file.rewrite(position, encodeCustomer(record));
}

std::size_t AppendCustomer(CustomerFile& file, const CustomerRecord& record) {
    return file.append(encodeCustomer(record));
}

void DeleteCustomerAt(const std::string& folder, std::size_t position, const DeletionFault& fault) {
    deleteRecord(customerFilePath(folder), customerTempPath(folder), kCustomerRecordSize, position, fault);
}

void ScanCustomers(const CustomerFile& file,
                   const std::function<bool(const CustomerView&, std::size_t)>& visit) {
    file.scan([&](std::span<const char> bytes, std::size_t position) {
        return visit(CustomerView(bytes), position);
    });
}

} // namespace filmeria
