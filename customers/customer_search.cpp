#include "customers/customer_search.h"

#include "core/list_find.h"
#include "core/text_rules.h"

namespace filmeria {
namespace {

void appendPadded(std::string& line, std::string_view text, std::size_t width) {
    const std::size_t kept = std::min(text.size(), width);
    line.append(text.substr(0, kept));
    line.append(width - kept, ' ');
}

} // namespace

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
    line.reserve(160);
    appendPadded(line, c.text(CustomerField::Nome), 30);
    line += "  ";
    appendPadded(line, c.text(CustomerField::Indirizzo), 30);
    line += "  ";
    appendPadded(line, c.text(CustomerField::Citta), 20);
    line += "  ";
    appendPadded(line, c.text(CustomerField::Prov), 2);
    line += "  Tessera n. ";
    appendPadded(line, c.text(CustomerField::Tessera), 20);
    line += "  Tel. casa ";
    line += c.text(CustomerField::TelCasa);
    return line;
}

LineList searchCustomers(const std::string& folder, const CustomerCriteria& criteria) {
    const int threshold = criteria.inUse();
    LineList lines;
    customerArchive(folder).scan([&](const CustomerView& customer, std::size_t) {
        if (score(criteria, customer) >= threshold)
            lines.push_back(customerListLine(customer));
        return true;
    });
    lines.sortAsText();
    return lines;
}

} // namespace filmeria
