#include "Zoom.h"

#include "window_placement.h"

namespace filmeria {

TfrmZoom::TfrmZoom(Services& services, ScreenSet& screens)
    : services_(services)
    , screens_(screens) {
    setObjectName("frmZoom");
    setWindowFlags(Qt::FramelessWindowHint);
    resize(600, 420);
    centreOnDesktop(this);
}

} // namespace filmeria
