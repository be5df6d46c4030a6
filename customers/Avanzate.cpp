#include "customers/Avanzate.h"

namespace filmeria {

TfrmAvanzate::TfrmAvanzate(Services& services)
    : CustomerSearchScreen(services, Kind::Search) {
    setObjectName("frmAvanzate");
}

} // namespace filmeria
