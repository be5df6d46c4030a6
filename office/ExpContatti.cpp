#include "office/ExpContatti.h"

#include "screenkit/window_placement.h"

namespace filmeria {

TfrmExpContatti::TfrmExpContatti(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmExpContatti");
    setWindowTitle(QString::fromUtf8(" Esportazione archivio film"));
    useDialogFrame(this);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
