#include "office/ExpNoleggi.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmExpNoleggi::TfrmExpNoleggi(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmExpNoleggi");
    setWindowTitle(QString::fromUtf8(" Esportazione archivio noleggi"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
