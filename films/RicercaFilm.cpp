#include "films/RicercaFilm.h"

namespace filmeria {

TfrmRicercaFilm::TfrmRicercaFilm(Services& services, ScreenSet& screens)
    : FilmSearchScreen(services, screens, Kind::Search) {
    setObjectName("frmRicercaFilm");
}

} // namespace filmeria
