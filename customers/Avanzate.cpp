#include "customers/Avanzate.h"

namespace filmeria {

TfrmAvanzate::TfrmAvanzate(Services& services, ScreenSet& screens)
    : CustomerSearchScreen(services, screens, Kind::Search) {
    setObjectName("frmAvanzate");
}

} // namespace filmeria
