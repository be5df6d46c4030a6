#pragma once
// TfrmCercaNoleggio: the rental search of the year open on the rental slip screen.
#include "rentals/rental_search_screen.h"

namespace filmeria {

class TfrmCercaNoleggio final : public RentalSearchScreen {
public:
    TfrmCercaNoleggio(Services& services);
};

} // namespace filmeria
