#include "office/ExpContatti.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmExpContatti::TfrmExpContatti(Services& services)
    : services_(services) {
    setObjectName("frmExpContatti");
    setWindowTitle(QString::fromUtf8(" Esportazione archivio film"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
