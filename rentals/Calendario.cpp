#include "Calendario.h"

#include "window_placement.h"

namespace filmeria {

TfrmCalendario::TfrmCalendario(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmCalendario");
    setWindowTitle(QString::fromUtf8(" Importazione data"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
