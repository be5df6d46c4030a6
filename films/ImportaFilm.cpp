#include "films/ImportaFilm.h"

namespace filmeria {

TfrmImportaFilm::TfrmImportaFilm(Services& services, ScreenSet& screens)
    : FilmSearchScreen(services, screens, Kind::Picker) {
    setObjectName("frmImportaFilm");
}

} // namespace filmeria
