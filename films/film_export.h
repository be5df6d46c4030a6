#pragma once
// The film archive export's views: every film, or those with one chosen field filled in, as
// the 18 columns of the export grid; long texts cut to 250 characters and "...".
#include "core/text_table.h"
#include "films/film_store.h"

#include <array>
#include <optional>

namespace filmeria {

enum class FilmExportView { Cast, Director, Genre, Subtitles, Available, All };

inline constexpr int kFilmExportColumns = 18;
inline constexpr std::array<int, kFilmExportColumns> kFilmExportWidths = {
    50, 250, 150, 60, 150, 80, 150, 150, 300, 250, 200, 200, 100, 100, 100, 180, 220, 400};

FilmQuery filmExportQuery(FilmExportView view);

// A film value as its cell shows it: up to 250 characters whole (blanks and control
// characters removed), a longer one cut to its first 250 and "...".
std::string filmExportCell(std::string_view value);

// The grid of a view's result; nullopt when the result has no row (the grid stays as it was).
std::optional<TextTable> filmExportTable(TSQLiteTable& result);

} // namespace filmeria
