#include "customers/Tessera.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmTessera::TfrmTessera(Services& services)
    : services_(services) {
    setObjectName("frmTessera");
    setWindowTitle(QString::fromUtf8(" Tessera cliente"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
