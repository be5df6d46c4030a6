#include "office/Imminenti.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmImminenti::TfrmImminenti(Services& services)
    : services_(services) {
    setObjectName("frmImminenti");
    setWindowTitle(QString::fromUtf8(" Esportazione archivio clienti"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
