#pragma once
// TfrmRicercaFilm: film search.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmRicercaFilm final : public QDialog {
public:
    TfrmRicercaFilm(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
