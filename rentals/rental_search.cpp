#include "rentals/rental_search.h"

#include "core/list_find.h"
#include "core/text_rules.h"

#include <algorithm>

namespace filmeria {
namespace {

bool equalsFolded(std::string_view a, std::string_view b) {
    return equalsIgnoringAsciiCase(a, b);
}

} // namespace

int RentalCriteria::inUse() const {
    int count = 0;
    for (const std::string* text : {&number, &issueDate, &customer, &card, &firstCode, &firstTitle})
        count += !trimmedView(*text).empty();
    return count + (payment != PaymentCriterion::Any);
}

bool matches(const RentalCriteria& c, const RentalView& slip) {
    // A criterion in use that fails rules the slip out; criteria not in use never count.
    if (!trimmedView(c.number).empty() &&
        !equalsFolded(trimmedView(c.number), trimmedView(slip.stored(SlipField::NumScheda))))
        return false;
    if (!trimmedView(c.issueDate).empty() && !equalsFolded(c.issueDate, slip.stored(SlipField::Data)))
        return false;
    if (c.payment != PaymentCriterion::Any &&
        !equalsFolded(slip.stored(SlipField::Saldato),
                      c.payment == PaymentCriterion::Paid ? kPaid : kNotPaid))
        return false;
    if (!trimmedView(c.customer).empty() &&
        !containsIgnoringAsciiCase(slip.stored(SlipField::Cliente), c.customer))
        return false;
    if (!trimmedView(c.card).empty() && !containsIgnoringAsciiCase(slip.stored(SlipField::Tessera), c.card))
        return false;
    if (!trimmedView(c.firstCode).empty() && !equalsFolded(c.firstCode, slip.stored(RowField::Codice, 1)))
        return false;
    if (!trimmedView(c.firstTitle).empty() &&
        !containsIgnoringAsciiCase(slip.stored(RowField::Titolo, 1), c.firstTitle))
        return false;
    return true;
}

std::string rentalListLine(const RentalView& slip) {
    std::string line;
    line.reserve(kRentalListLineWidth);
    appendRentalListLine(line, slip);
    return line;
}

void appendRentalListLine(std::string& line, const RentalView& slip) {
    const auto field = [&](SlipField f) { return trimmedView(slip.stored(f)); };
    line += "Scheda n. ";
    appendPadded(line, field(SlipField::NumScheda), 10);
    line += " del ";
    appendPadded(line, field(SlipField::Data), 10);
    line += "  Cliente: ";
    appendPadded(line, field(SlipField::Cliente), 25);
    line += "  Tessera n. ";
    appendPadded(line, field(SlipField::Tessera), 20);
    line += "  Totale \x80 ";
    appendPadded(line, field(SlipField::Totale), 10);
    line += "  Film: ";
    line += trimmedView(slip.stored(RowField::Titolo, 1));
    // The whole line trimmed: it starts with "Scheda", so only its end can need it.
    while (!line.empty() && static_cast<unsigned char>(line.back()) <= 32)
        line.pop_back();
}

LineList searchSlips(const std::string& folder, const std::string& year, const RentalCriteria& criteria) {
    LineList lines;
    const RentalArchive archive = yearArchive(folder, year);
    // With no criterion every slip is listed: room for all of them at once.
    if (criteria.inUse() == 0) {
        const std::size_t slips = archive.count();
        lines.reserve(slips, slips * kRentalListLineWidth);
    }
    std::string line; // one buffer for every line
    archive.scan([&](const RentalView& slip, std::size_t) {
        if (matches(criteria, slip)) {
            line.clear();
            appendRentalListLine(line, slip);
            lines.push_back(line);
        }
        return true;
    });
    lines.sortAsText();
    return lines;
}

} // namespace filmeria
