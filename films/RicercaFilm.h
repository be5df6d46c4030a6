#pragma once
// TfrmRicercaFilm: the film search of the film card.
#include "films/film_search_screen.h"

namespace filmeria {

class TfrmRicercaFilm final : public FilmSearchScreen {
public:
    TfrmRicercaFilm(Services& services);
};

} // namespace filmeria
