// Customer records as Clienti.pro holds them, read as the customer screens and searches read them.
#include "customers/customer_file.h"
#include "customers/customer_search.h"
#include "customers/identity_checks.h"
#include "record_properties.h"

namespace filmeria::fuzz {
namespace {

std::string customer(const char* name, const char* fiscalCode, const char* vat, const char* notes) {
    CustomerRecord r;
    r[CustomerField::Nome] = name;
    r[CustomerField::Indirizzo] = "Via Roma 12";
    r[CustomerField::Cap] = "20121";
    r[CustomerField::Citta] = "Milano";
    r[CustomerField::Prov] = "MI";
    r[CustomerField::DataNasc] = "12/05/1971";
    r[CustomerField::CodFisc] = fiscalCode;
    r[CustomerField::Iva] = vat;
    r[CustomerField::Tessera] = "A15";
    r[CustomerField::TelCasa] = "02 1234567";
    r[CustomerField::Email] = "rossi@example.it";
    r[CustomerField::Trama] = notes;
    return r.encode();
}

void run(std::string_view input) {
    const std::string bytes = asRecordBytes<CustomerLayout>(input);
    checkRecordProperties<CustomerLayout>(bytes);
    const CustomerView view(bytes);
    const std::string line = customerListLine(view);
    FUZZ_EXPECT(line.find('\0') == std::string::npos || bytes.find('\0') != std::string::npos, bytes);
    fiscalCodeIsCorrect(view.text(CustomerField::CodFisc));
    const std::string vat = view.text(CustomerField::Iva);
    vatNumberIsCorrect(vat);
    vatOfficeName(vat.substr(std::min<std::size_t>(vat.size(), 7)));
    // Criteria cut from the record's own texts always find it.
    CustomerCriteria criteria;
    const auto& fields = CustomerCriteria::fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        criteria.texts[i] =
            std::string(FixedRecordView<CustomerLayout>(bytes).stored(fields[i])).substr(0, 3);
    FUZZ_EXPECT(score(criteria, view) >= criteria.inUse(), bytes);
}

} // namespace

Target target() {
    return {"customer record",
            {customer("Rossi Mario", "RSSMRA71E12F205Y", "01234567897",
                      "Cliente dal 1998\r\nPreferisce i western"),
             customer("\xC0ngela D'Amico", "DMCNGL80A41H501X", "", "\xA0\xA0\r\n"), std::string(1642, '\0'),
             std::string(1642, '\xFF')},
            {"\xFF", "\x10", "\x78", "\x0B", "\r\n", "MI", "A15"},
            run};
}

} // namespace filmeria::fuzz
