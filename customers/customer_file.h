#pragma once
// Clienti.pro: one 1642-byte record per customer, identified only by its position.
#include "core/record_archive.h"

#include <array>
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

struct CustomerLayout {
    static constexpr auto kFields = packFields(std::array<FieldLayout, 18>{{
        {"Nome", 0, 0, 120},
        {"Indirizzo", 0, 0, 250},
        {"Cap", 0, 0, 10},
        {"Citta", 0, 0, 120},
        {"Prov", 0, 0, 2},
        {"DataNasc", 0, 0, 10},
        {"LuogoNasc", 0, 0, 120},
        {"CodFisc", 0, 0, 16},
        {"Iva", 0, 0, 11},
        {"Tessera", 0, 0, 50},
        {"Iscrizione", 0, 0, 10},
        {"Noleggio", 0, 0, 200},
        {"TelCasa", 0, 0, 50},
        {"TelUff", 0, 0, 50},
        {"TelCel", 0, 0, 50},
        {"Fax", 0, 0, 50},
        {"Email", 0, 0, 250},
        {"Trama", 0, 0, 255},
    }});
    static constexpr std::size_t kRecordSize = recordSizeOf(kFields);
    static constexpr std::size_t index(CustomerField f) { return static_cast<std::size_t>(f); }
};
static_assert(CustomerLayout::kRecordSize == 1642, "a customer record is 1642 bytes");

inline constexpr std::size_t kCustomerRecordSize = CustomerLayout::kRecordSize;

using CustomerRecord = FixedRecord<CustomerLayout>;
using CustomerView = FixedRecordView<CustomerLayout>;
using CustomerArchive = RecordArchive<CustomerLayout>;

// How many bytes a field holds: the longest text its edit field takes.
constexpr int fieldCapacity(CustomerField f) {
    return static_cast<int>(CustomerLayout::kFields[CustomerLayout::index(f)].capacity);
}

std::string customerFilePath(const std::string& folder);
std::string customerTempPath(const std::string& folder);

// Clienti.pro in `folder` (with its trailing separator).
CustomerArchive customerArchive(const std::string& folder);

} // namespace filmeria
