#pragma once
// Clienti.pro: one 1642-byte record per customer, identified only by its position.
#include "core/record_file.h"
#include "core/record_layout.h"

#include <array>
#include <functional>
#include <string>

namespace filmeria {

enum class CustomerField {
    Nome,
    Indirizzo,
    Cap,
    Citta,
    Prov,
    DataNasc,
    LuogoNasc,
    CodFisc,
    Iva,
    Tessera,
    Iscrizione,
    Noleggio,
    TelCasa,
    TelUff,
    TelCel,
    Fax,
    Email,
    Trama
};

inline constexpr std::size_t kCustomerRecordSize = 1642;
inline constexpr std::size_t kCustomerFieldCount = 18;

const RecordLayout& customerLayout();

struct CustomerRecord {
    std::array<std::string, kCustomerFieldCount> values;

    std::string& operator[](CustomerField f) { return values[static_cast<std::size_t>(f)]; }
    const std::string& operator[](CustomerField f) const { return values[static_cast<std::size_t>(f)]; }
    bool operator==(const CustomerRecord&) const = default;
};

// Bytes of one record: every value trimmed, cut to 255 and to its capacity.
std::string encodeCustomer(const CustomerRecord& record);
CustomerRecord decodeCustomer(std::span<const char> bytes);

// The raw bytes of a customer record, read field by field without decoding the rest.
class CustomerView {
public:
    explicit CustomerView(std::span<const char> bytes)
        : bytes_(bytes) {}
    std::string_view stored(CustomerField f) const;
    std::string text(CustomerField f) const;
    CustomerRecord record() const { return decodeCustomer(bytes_); }

private:
    std::span<const char> bytes_;
};

std::string customerFilePath(const std::string& folder);
std::string customerTempPath(const std::string& folder);

using CustomerFile = RecordFile;

// Opens Clienti.pro in `folder` (with its trailing separator), creating it empty when missing.
CustomerFile OpenCustomerFile(const std::string& folder);
std::size_t CustomerCount(const CustomerFile& file);
CustomerRecord ReadCustomerAt(const CustomerFile& file, std::size_t position);
void WriteCustomerAt(CustomerFile& file, std::size_t position, const CustomerRecord& record);
std::size_t AppendCustomer(CustomerFile& file, const CustomerRecord& record);
void DeleteCustomerAt(const std::string& folder, std::size_t position, const DeletionFault& fault = {});
// Every record in file order with its position; `visit` returns false to stop.
void ScanCustomers(const CustomerFile& file,
                   const std::function<bool(const CustomerView&, std::size_t)>& visit);

} // namespace filmeria
