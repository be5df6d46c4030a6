#pragma once
// TfrmNoleggi: the rental slip screen, with its year panel and the slip.
#include "work_screen.h"

class QGroupBox;
class QLabel;

namespace filmeria {

class PictureButtons;
struct Services;

class TfrmNoleggi final : public WorkScreen {
public:
    TfrmNoleggi(Services& services, ScreenSet& screens);

    // The screen always opens on its choice of year, whatever it showed last time.
    void prepareYearChoice();

private:
    Services& services_;
    PictureButtons* buttons_;
    QGroupBox* grpAnno;
    QLabel* imgEsci;
    QGroupBox* grpRicevuta;
    QGroupBox* grpRicevuta02;
    QLabel* imgEsci02;
    QLabel* lblEsci;
};

} // namespace filmeria
