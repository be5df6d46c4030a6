#include "rentals/CercaStorico.h"

namespace filmeria {

TfrmCercaStorico::TfrmCercaStorico(Services& services, ScreenSet& screens)
    : RentalSearchScreen(services, screens, Kind::History) {
    setObjectName("frmCercaStorico");
}

} // namespace filmeria
