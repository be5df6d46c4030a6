#include "ImportaFilm.h"

#include "window_placement.h"

#include <QLabel>

namespace filmeria {

TfrmImportaFilm::TfrmImportaFilm(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmImportaFilm");
    setWindowTitle(QString::fromUtf8(" Importa dati film"));
    useDialogFrame(this);
    resize(600, 420);
    lblMemory = new QLabel(this);
    lblMemory->setObjectName("lblMemory");
    lblMemory->hide();
    centreOnDesktop(this);
}

void TfrmImportaFilm::setMemory(const QString& tag) {
    lblMemory->setText(tag);
}
QString TfrmImportaFilm::memory() const {
    return lblMemory->text();
}

} // namespace filmeria
