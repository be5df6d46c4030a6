#pragma once
// TfrmClienti: a work environment of the program.
#include "work_screen.h"

class QLabel;

namespace filmeria {

class PictureButtons;
struct Services;

class TfrmClienti final : public WorkScreen {
public:
    TfrmClienti(Services& services, ScreenSet& screens);

private:
    Services& services_;
    PictureButtons* buttons_;
    QLabel* panInfo;
    QLabel* imgEsci;
    QLabel* lblEsci;
};

} // namespace filmeria
