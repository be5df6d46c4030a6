#pragma once
// Slips as the tests of the takings write them: the heading fields, then films on their rows.
#include "rentals/rental_file.h"

#include <string>

namespace filmeria::testing {

inline RentalRecord slipOf(const std::string& number, const std::string& date, const std::string& total,
                           const std::string& paid, const std::string& card = "",
                           const std::string& name = "") {
    RentalRecord s;
    s[SlipField::NumScheda] = number;
    s[SlipField::Data] = date;
    s[SlipField::Totale] = total;
    s[SlipField::Saldato] = paid;
    s[SlipField::Tessera] = card;
    s[SlipField::Cliente] = name;
    return s;
}

inline void rentFilm(RentalRecord& s, int row, const std::string& code, const std::string& title = "Titolo") {
    s.at(RowField::Codice, row) = code;
    s.at(RowField::Titolo, row) = title;
}

} // namespace filmeria::testing
