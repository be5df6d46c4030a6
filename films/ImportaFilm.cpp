#include "ImportaFilm.h"

#include "window_placement.h"

namespace filmeria {

TfrmImportaFilm::TfrmImportaFilm(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmImportaFilm");
    setWindowTitle(QString::fromUtf8(" Importa dati film"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
