#include "PartitaIVA.h"

#include "window_placement.h"

namespace filmeria {

TfrmIva::TfrmIva(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmIva");
    setWindowTitle(QString::fromUtf8(" Controllo partita IVA "));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
