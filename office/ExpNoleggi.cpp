#include "office/ExpNoleggi.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmExpNoleggi::TfrmExpNoleggi(Services& services)
    : services_(services) {
    setObjectName("frmExpNoleggi");
    setWindowTitle(QString::fromUtf8(" Esportazione archivio noleggi"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
