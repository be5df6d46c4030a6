#pragma once
// The customer search's rules: the score of a customer against eight criteria, and the
// result line of a customer.
#include "core/line_list.h"
#include "customers/customer_file.h"

#include <array>
#include <string>
#include <vector>

namespace filmeria {

// The criteria as typed (Windows-1252), each compared with one field, in screen order:
// Nome, Indirizzo, Citta, Prov, Noleggio, CodFisc, Iva, Tessera.
struct CustomerCriteria {
    std::array<std::string, 8> texts;

    static const std::array<CustomerField, 8>& fields();
    // Criteria whose trimmed text is not empty.
    int inUse() const;
};

// The number of criteria whose text, untrimmed, occurs in its field (letters A-Z without
// case); an empty criterion never scores.
int score(const CustomerCriteria& criteria, const CustomerView& customer);

// Nome/30, Indirizzo/30, Citta/20, Prov/2, "Tessera n. " Tessera/20, "Tel. casa " TelCasa.
// The longest list line: the padded columns and the longest home telephone number.
inline constexpr std::size_t kCustomerListLineWidth =
    30 + 2 + 30 + 2 + 20 + 2 + 2 + 13 + 20 + 12 +
    static_cast<std::size_t>(fieldCapacity(CustomerField::TelCasa));

std::string customerListLine(const CustomerView& customer);
void appendCustomerListLine(std::string& line, const CustomerView& customer);

// A customer with its position in the archive.
struct ChosenCustomer {
    std::size_t position;
    CustomerRecord record;
};

// The customers whose card number is `card` (trimmed both; letters A-Z without case), in file
// order: a scanned membership card.
std::vector<ChosenCustomer> customersWithCard(const CustomerArchive& archive, std::string_view card);

// The result lines of the customers scoring at least the criteria in use, sorted.
LineList searchCustomers(const std::string& folder, const CustomerCriteria& criteria);

} // namespace filmeria
