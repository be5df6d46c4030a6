#pragma once
// TfrmImportaCliente: the customer picker of the rental slip screen.
#include "customers/customer_search_screen.h"

namespace filmeria {

class TfrmImportaCliente final : public CustomerSearchScreen {
public:
    explicit TfrmImportaCliente(Services& services, ControlsMade made = ControlsMade::AtConstruction);
};

} // namespace filmeria
