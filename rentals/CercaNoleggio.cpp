#include "rentals/CercaNoleggio.h"

namespace filmeria {

TfrmCercaNoleggio::TfrmCercaNoleggio(Services& services, ScreenSet& screens)
    : RentalSearchScreen(services, screens, Kind::Rentals) {
    setObjectName("frmCercaNoleggio");
}

} // namespace filmeria
