// Rental slips as a year file holds them, read as the slip screen, the searches and the row
// calculation read them.
#include "record_properties.h"
#include "rentals/amounts.h"
#include "rentals/rental_file.h"
#include "rentals/rental_search.h"

namespace filmeria::fuzz {
namespace {

std::string slip(const char* number, const char* paid, int rows) {
    RentalRecord r;
    r[SlipField::NumScheda] = number;
    r[SlipField::Cliente] = "Bar Sport";
    r[SlipField::Tessera] = "A15";
    r[SlipField::Data] = "28/02/2009";
    r[SlipField::Totale] = "12,50";
    r[SlipField::Saldato] = paid;
    for (int k = 1; k <= rows; ++k) {
        r.at(RowField::Codice, k) = "F" + std::to_string(k);
        r.at(RowField::Titolo, k) = "Notte di luna";
        r.at(RowField::Prestito, k) = "28/02/2009";
        r.at(RowField::Riconsegna, k) = "03/03/2009";
        r.at(RowField::PrezzoDie, k) = "2,50";
        r.at(RowField::TotGiorni, k) = "3";
        r.at(RowField::PrezzoTot, k) = "7,50";
    }
    return r.encode();
}

void run(std::string_view input) {
    const std::string bytes = asRecordBytes<RentalLayout>(input);
    checkRecordProperties<RentalLayout>(bytes);
    const RentalView view(bytes);
    rentalListLine(view);
    std::array<std::string, kSlipRows> amounts;
    for (int k = 1; k <= kSlipRows; ++k) {
        const RowCalculation row =
            CalculateRow({view.text(RowField::Prestito, k), view.text(RowField::Riconsegna, k),
                          view.text(RowField::PrezzoDie, k), view.text(RowField::TotGiorni, k),
                          view.text(RowField::PrezzoTot, k)});
        FUZZ_EXPECT((row.problem == RowCalculation::None) == (row.message == nullptr), bytes);
        amounts[static_cast<std::size_t>(k - 1)] = row.texts.prezzoTot;
    }
    CalculateTotal(amounts);
    // A slip always meets criteria taken from itself.
    RentalCriteria own;
    own.number = view.stored(SlipField::NumScheda);
    own.issueDate = view.stored(SlipField::Data);
    own.customer = std::string(view.stored(SlipField::Cliente)).substr(0, 4);
    own.firstCode = view.stored(RowField::Codice, 1);
    const std::string_view title = view.stored(RowField::Titolo, 1);
    own.firstTitle = title.substr(std::min<std::size_t>(2, title.size()), 5);
    if (view.stored(SlipField::Saldato) == kPaid)
        own.payment = PaymentCriterion::Paid;
    FUZZ_EXPECT(matches(own, view), bytes);
}

} // namespace

Target target() {
    return {"slip record",
            {slip("1", kPaid, 1), slip("1368", kNotPaid, 10), slip(" 7 ", "xx", 0), std::string(1368, '\0'),
             std::string(1368, '\xFF')},
            {"\x0A", "\x32", "\x06", "31/12/2099", "29/02/2009", "0,00", "99999999", ",", "\x02si"},
            run};
}

} // namespace filmeria::fuzz
