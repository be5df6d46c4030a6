#include "screenkit/first_showing.h"

namespace filmeria {

void FirstShowingDialog::setVisible(bool visible) {
    if (visible)
        makeControlsNow();
    QDialog::setVisible(visible);
}

void FirstShowingDialog::makeControlsNow() {
    if (made_)
        return;
    made_ = true;
    makeControls();
}

} // namespace filmeria
