#include "rentals/CercaNoleggio.h"

namespace filmeria {

TfrmCercaNoleggio::TfrmCercaNoleggio(Services& services)
    : RentalSearchScreen(services, Kind::Rentals) {
    setObjectName("frmCercaNoleggio");
}

} // namespace filmeria
