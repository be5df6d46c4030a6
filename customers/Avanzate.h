#pragma once
// TfrmAvanzate: the customer search of the customer card.
#include "customers/customer_search_screen.h"

namespace filmeria {

class TfrmAvanzate final : public CustomerSearchScreen {
public:
    explicit TfrmAvanzate(Services& services, ControlsMade made = ControlsMade::AtConstruction);
};

} // namespace filmeria
