#pragma once
// TfrmImportaFilm: the film picker of the rental slip screen.
#include "films/film_search_screen.h"

namespace filmeria {

class TfrmImportaFilm final : public FilmSearchScreen {
public:
    TfrmImportaFilm(Services& services);
};

} // namespace filmeria
