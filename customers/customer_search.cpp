#include "customers/customer_search.h"

#include "core/list_find.h"
#include "core/text_rules.h"

namespace filmeria {
const std::array<CustomerField, 8>& CustomerCriteria::fields() {
    static const std::array<CustomerField, 8> kFields = {
        CustomerField::Nome,     CustomerField::Indirizzo, CustomerField::Citta, CustomerField::Prov,
        CustomerField::Noleggio, CustomerField::CodFisc,   CustomerField::Iva,   CustomerField::Tessera};
    return kFields;
}

int CustomerCriteria::inUse() const {
    int count = 0;
    for (const std::string& text : texts)
        count += !trimmedView(text).empty();
    return count;
}

int score(const CustomerCriteria& criteria, const CustomerView& customer) {
    int hits = 0;
    for (std::size_t i = 0; i < criteria.texts.size(); ++i) {
        const std::string& text = criteria.texts[i];
        if (!text.empty() && containsIgnoringAsciiCase(customer.stored(CustomerCriteria::fields()[i]), text))
            ++hits;
    }
    return hits;
}

std::vector<ChosenCustomer> customersWithCard(const CustomerArchive& archive, std::string_view card) {
    std::vector<ChosenCustomer> found;
    const std::string_view wanted = trimmedView(card);
    archive.scan([&](const CustomerView& customer, std::size_t position) {
        if (equalsIgnoringAsciiCase(trimmedView(customer.stored(CustomerField::Tessera)), wanted))
            found.push_back({position, customer.record()});
        return true;
    });
    return found;
}

std::string customerListLine(const CustomerView& c) {
    std::string line;
    line.reserve(kCustomerListLineWidth);
    appendCustomerListLine(line, c);
    return line;
}

void appendCustomerListLine(std::string& line, const CustomerView& c) {
    appendPadded(line, trimmedView(c.stored(CustomerField::Nome)), 30);
    line += "  ";
    appendPadded(line, trimmedView(c.stored(CustomerField::Indirizzo)), 30);
    line += "  ";
    appendPadded(line, trimmedView(c.stored(CustomerField::Citta)), 20);
    line += "  ";
    appendPadded(line, trimmedView(c.stored(CustomerField::Prov)), 2);
    line += "  Tessera n. ";
    appendPadded(line, trimmedView(c.stored(CustomerField::Tessera)), 20);
    line += "  Tel. casa ";
    line += trimmedView(c.stored(CustomerField::TelCasa));
}

LineList searchCustomers(const std::string& folder, const CustomerCriteria& criteria) {
    const int threshold = criteria.inUse();
    LineList lines;
    const CustomerArchive archive = customerArchive(folder);
    // With no criterion every customer is listed: room for all of them at once.
    if (threshold == 0) {
        const std::size_t customers = archive.count();
        lines.reserve(customers, customers * kCustomerListLineWidth);
    }
    std::string line; // one buffer for every line
    archive.scan([&](const CustomerView& customer, std::size_t) {
        if (score(criteria, customer) >= threshold) {
            line.clear();
            appendCustomerListLine(line, customer);
            lines.push_back(line);
        }
        return true;
    });
    lines.sortAsText();
    return lines;
}

} // namespace filmeria
