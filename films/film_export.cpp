#include "films/film_export.h"

namespace filmeria {
namespace {

constexpr const char* kHeadings[kFilmExportColumns] = {
    " N.",          " Titolo film",  " Nazione",      " Anno",     " Genere",
    " Durata",      " Regista",      " Distributore", " Cast",     " Titolo originale",
    " Sottotitoli", " Lingue audio", " Prezzo",       " Supporto", " Disponibile",
    " Codice",      " Sito Web",     " Trama"};

// The grid's order of the seventeen text columns.
constexpr FilmField kColumns[] = {
    FilmField::varTitolo,    FilmField::varNazione,     FilmField::varAnno,         FilmField::varGenere,
    FilmField::varDurata,    FilmField::varRegista,     FilmField::varDistributore, FilmField::varCast,
    FilmField::varOriginale, FilmField::varSottotitoli, FilmField::varLingue,       FilmField::varPrezzo,
    FilmField::varSupporto,  FilmField::varDisponibile, FilmField::varCodice,       FilmField::varWeb,
    FilmField::varTrama};

} // namespace

FilmQuery filmExportQuery(FilmExportView view) {
    switch (view) {
    case FilmExportView::Cast:
        return {"SELECT * FROM film WHERE varCast <> \"\" ", {}};
    case FilmExportView::Director:
        return {"SELECT * FROM film WHERE varRegista <> \"\" ", {}};
    case FilmExportView::Genre:
        return {"SELECT * FROM film WHERE varGenere <> \"\" ", {}};
    case FilmExportView::Subtitles:
        return {"SELECT * FROM film WHERE varSottotitoli <> \"\" ", {}};
    case FilmExportView::Available:
        return {"SELECT * FROM film WHERE varDisponibile <> \"No\" ", {}};
    case FilmExportView::All:
        break;
    }
    return AllFilmsQuery();
}

std::string filmExportCell(std::string_view value) {
    if (value.size() > 250)
        return std::string(value.substr(0, 250)) + "...";
    return exportCellText(value);
}

std::optional<TextTable> filmExportTable(TSQLiteTable& result) {
    if (!result.First() || result.RowCount() == 0)
        return std::nullopt;
    TextTable grid(0, kFilmExportColumns);
    for (const char* heading : kHeadings)
        grid.append(heading);
    const std::size_t rows = result.RowCount();
    for (std::size_t n = 1; n <= rows; ++n) {
        grid.append(std::to_string(n));
        for (const FilmField f : kColumns)
            grid.append(filmExportCell(result.BlobTextAt(result.ColumnIndex(filmColumn(f)))));
        if (!result.AtEnd())
            result.Next();
    }
    grid.setRows(static_cast<int>(rows) + 1);
    return grid;
}

} // namespace filmeria
