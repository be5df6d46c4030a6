#include "customers/ImportaCliente.h"

namespace filmeria {

TfrmImportaCliente::TfrmImportaCliente(Services& services)
    : CustomerSearchScreen(services, Kind::Picker) {
    setObjectName("frmImportaCliente");
}

} // namespace filmeria
