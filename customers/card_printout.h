#pragma once
// The membership card: a 100 x 67 mm frame at the top left of a portrait page with the
// store's letterhead, the film reel, the photograph box, the customer's name and address,
// the card number and the date of enrolment.
#include "core/letterhead.h"
#include "core/print_canvas.h"

#include <string>

namespace filmeria {

struct MembershipCard {
    Letterhead letterhead;
    std::string name;
    std::string address;
    std::string postalCode;
    std::string town;
    std::string province;
    std::string card;
    std::string enrolment;
};

// Draws the whole job, in tenths of a millimetre with the y axis up; texts trimmed.
void printMembershipCard(PrintCanvas& canvas, const MembershipCard& card);

} // namespace filmeria
