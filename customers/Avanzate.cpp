#include "customers/Avanzate.h"

namespace filmeria {

TfrmAvanzate::TfrmAvanzate(Services& services, ControlsMade made)
    : CustomerSearchScreen(services, Kind::Search, made) {
    setObjectName("frmAvanzate");
}

} // namespace filmeria
