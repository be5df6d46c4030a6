#include "customers/customer_export.h"

#include "core/text_rules.h"
#include "customers/customer_file.h"

namespace filmeria {
namespace {

constexpr const char* kHeadings[kCustomerExportColumns] = {"",
                                                           " Cognome, nome o ragione sociale",
                                                           " Indirizzo",
                                                           " CAP",
                                                           " Citt\xE0 di residenza",
                                                           " Prov.",
                                                           " Data di nascita",
                                                           " Luogo di nascita",
                                                           " Codice fiscale",
                                                           " Partita IVA",
                                                           " Tessera n.",
                                                           " Data iscrizione",
                                                           " Genere cinematografico preferito",
                                                           " Tel. casa",
                                                           " Tel. ufficio",
                                                           " Tel. cellulare",
                                                           " Fax",
                                                           " E-mail",
                                                           " Note"};

bool listed(CustomerExportView view, const CustomerView& customer) {
    switch (view) {
    case CustomerExportView::All:
        return true;
    case CustomerExportView::HomePhone:
        return !trimmedView(customer.stored(CustomerField::TelCasa)).empty();
    case CustomerExportView::Email:
        return !trimmedView(customer.stored(CustomerField::Email)).empty();
    case CustomerExportView::Notes:
        return !trimmedView(customer.stored(CustomerField::Trama)).empty();
    }
    return false;
}

} // namespace

std::optional<TextTable> customerExportTable(const std::string& folder, CustomerExportView view) {
    return customerExportTable(customerArchive(folder), view);
}

std::optional<TextTable> customerExportTable(const CustomerArchive& archive, CustomerExportView view) {
    const std::size_t count = archive.count();
    if (count == 0)
        return std::nullopt;
    TextTable grid(0, kCustomerExportColumns);
    grid.reserveRows(static_cast<int>(count) + 1);
    for (const char* heading : kHeadings)
        grid.append(heading);
    int n = 0;
    archive.scan([&](const CustomerView& customer, std::size_t) {
        if (!listed(view, customer))
            return true;
        grid.append(std::to_string(++n));
        for (std::size_t f = 0; f < CustomerLayout::kFields.size(); ++f)
            grid.append(exportCellText(customer.stored(static_cast<CustomerField>(f))));
        return true;
    });
    grid.setRows(static_cast<int>(count) + 1);
    return grid;
}

} // namespace filmeria
