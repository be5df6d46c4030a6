#pragma once
// TfrmImportaFilm: film picker for the rental slip.
#include <QDialog>

namespace filmeria {

class ScreenSet;
struct Services;

class TfrmImportaFilm final : public QDialog {
public:
    TfrmImportaFilm(Services& services, ScreenSet& screens);

private:
    Services& services_;
    ScreenSet& screens_;
};

} // namespace filmeria
