#include "rentals/rental_export.h"

#include "core/text_rules.h"
#include "rentals/rental_file.h"

namespace filmeria {
namespace {

bool listed(RentalExportView view, const RentalView& slip) {
    const std::string_view paid = trimmedView(slip.stored(SlipField::Saldato));
    switch (view) {
    case RentalExportView::Paid:
        return paid == kPaid;
    case RentalExportView::NotPaid:
        return paid == kNotPaid;
    default:
        return true;
    }
}

std::string paymentText(const RentalView& slip) {
    const std::string_view paid = trimmedView(slip.stored(SlipField::Saldato));
    return paid == kPaid ? "Saldato" : paid == kNotPaid ? "Non saldato" : "";
}

} // namespace

std::vector<int> rentalExportWidths(RentalExportView view) {
    if (view == RentalExportView::WithoutFilms)
        return {50, 100, 100, 150, 100, 100, 100};
    std::vector<int> widths = {50, 100, 100, 150, 100};
    widths.insert(widths.end(), kSlipRows, 200);
    widths.insert(widths.end(), {100, 100});
    return widths;
}

std::optional<TextTable> rentalExportTable(const std::string& folder, const std::string& year,
                                           RentalExportView view) {
    return rentalExportTable(yearArchive(folder, year), view);
}

std::optional<TextTable> rentalExportTable(const RentalArchive& archive, RentalExportView view) {
    const std::size_t count = archive.count();
    if (count == 0)
        return std::nullopt;
    const bool films = view != RentalExportView::WithoutFilms;
    TextTable grid(0, films ? 17 : 7);
    for (const char* heading : {"", " Scheda n.", " Data emissione", " Cliente", " Tessera n."})
        grid.append(heading);
    if (films) {
        for (int k = 1; k <= kSlipRows; ++k)
            grid.append(" " + std::to_string(k) + "\xB0 film noleggiato");
    }
    grid.append(" Prezzo totale");
    grid.append(" Pagamento");
    int n = 0;
    archive.scan([&](const RentalView& slip, std::size_t) {
        if (!listed(view, slip))
            return true;
        grid.append(std::to_string(++n));
        for (const SlipField f :
             {SlipField::NumScheda, SlipField::Data, SlipField::Cliente, SlipField::Tessera})
            grid.append(exportCellText(slip.stored(f)));
        if (films) {
            for (int k = 1; k <= kSlipRows; ++k)
                grid.append(exportCellText(slip.stored(RowField::Titolo, k)));
        }
        grid.append(exportCellText(slip.stored(SlipField::Totale)));
        grid.append(paymentText(slip));
        return true;
    });
    grid.setRows(static_cast<int>(count) + 1);
    return grid;
}

} // namespace filmeria
