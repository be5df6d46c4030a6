#include "customers/ImportaCliente.h"

namespace filmeria {

TfrmImportaCliente::TfrmImportaCliente(Services& services, ControlsMade made)
    : CustomerSearchScreen(services, Kind::Picker, made) {
    setObjectName("frmImportaCliente");
}

} // namespace filmeria
