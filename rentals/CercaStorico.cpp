#include "rentals/CercaStorico.h"

namespace filmeria {

TfrmCercaStorico::TfrmCercaStorico(Services& services)
    : RentalSearchScreen(services, Kind::History) {
    setObjectName("frmCercaStorico");
}

} // namespace filmeria
