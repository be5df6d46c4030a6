#include "CodFisc.h"

#include "window_placement.h"

namespace filmeria {

TfrmCodFisc::TfrmCodFisc(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmCodFisc");
    setWindowTitle(QString::fromUtf8(" Controllo codice fiscale"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
