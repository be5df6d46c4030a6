#include "films/ImportaFilm.h"

namespace filmeria {

TfrmImportaFilm::TfrmImportaFilm(Services& services)
    : FilmSearchScreen(services, Kind::Picker) {
    setObjectName("frmImportaFilm");
}

} // namespace filmeria
