#include "CercaNoleggio.h"

#include "window_placement.h"

namespace filmeria {

TfrmCercaNoleggio::TfrmCercaNoleggio(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmCercaNoleggio");
    setWindowTitle(QString::fromUtf8(" Ricerca schede noleggio in archivio"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
