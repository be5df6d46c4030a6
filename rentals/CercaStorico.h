#pragma once
// TfrmCercaStorico: the rental history of one customer in the current year.
#include "rentals/rental_search_screen.h"

namespace filmeria {

class TfrmCercaStorico final : public RentalSearchScreen {
public:
    TfrmCercaStorico(Services& services);
};

} // namespace filmeria
