#include "rentals/StampaNoleggio.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmStampaNoleggio::TfrmStampaNoleggio(Services& services)
    : services_(services) {
    setObjectName("frmStampaNoleggio");
    setWindowTitle(QString::fromUtf8(" Stampa scheda noleggio"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
