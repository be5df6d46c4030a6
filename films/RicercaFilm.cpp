#include "RicercaFilm.h"

#include "window_placement.h"

namespace filmeria {

TfrmRicercaFilm::TfrmRicercaFilm(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmRicercaFilm");
    setWindowTitle(QString::fromUtf8(" Cerca scheda film in archivio"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
