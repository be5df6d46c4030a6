#include "Avanzate.h"

#include "window_placement.h"

namespace filmeria {

TfrmAvanzate::TfrmAvanzate(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmAvanzate");
    setWindowTitle(QString::fromUtf8(" Ricerca clienti in archivio"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
