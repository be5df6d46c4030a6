#include "films/RicercaFilm.h"

namespace filmeria {

TfrmRicercaFilm::TfrmRicercaFilm(Services& services)
    : FilmSearchScreen(services, Kind::Search) {
    setObjectName("frmRicercaFilm");
}

} // namespace filmeria
