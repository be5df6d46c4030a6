#include "customers/ImportaCliente.h"

namespace filmeria {

TfrmImportaCliente::TfrmImportaCliente(Services& services, ScreenSet& screens)
    : CustomerSearchScreen(services, screens, Kind::Picker) {
    setObjectName("frmImportaCliente");
}

} // namespace filmeria
