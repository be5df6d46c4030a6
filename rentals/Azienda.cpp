#include "rentals/Azienda.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmAzienda::TfrmAzienda(Services& services)
    : services_(services) {
    setObjectName("frmAzienda");
    setWindowTitle(QString::fromUtf8(" Dati azienda"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
