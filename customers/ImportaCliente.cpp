#include "ImportaCliente.h"

#include "window_placement.h"

namespace filmeria {

TfrmImportaCliente::TfrmImportaCliente(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmImportaCliente");
    setWindowTitle(QString::fromUtf8(" Importa dati cliente"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
