#pragma once
// Film.db: one table "film", one row per film with its poster. Statement texts, the
// cleaning rule of text values, and the operations the film screens run.
#include "films/sqlite_access.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace filmeria {

inline constexpr const char* kFilmTableDefinition =
    "CREATE TABLE film (ID INTEGER PRIMARY KEY,varTitolo BLOB,varNazione BLOB,varAnno BLOB,varGenere BLOB,"
    "varDurata BLOB,varRegista BLOB,varDistributore BLOB,varCast BLOB,varOriginale BLOB,varSottotitoli BLOB,"
    "varLingue BLOB,varPrezzo BLOB,varSupporto BLOB,varDisponibile BLOB,varTrama BLOB,varCodice BLOB,"
    "varWeb BLOB, Picture BLOB COLLATE NOCASE,Ext TEXT)";

enum class FilmField {
    varTitolo,
    varNazione,
    varAnno,
    varGenere,
    varDurata,
    varRegista,
    varDistributore,
    varCast,
    varOriginale,
    varSottotitoli,
    varLingue,
    varPrezzo,
    varSupporto,
    varDisponibile,
    varTrama,
    varCodice,
    varWeb
};
inline constexpr std::size_t kFilmTextFields = 17;

// Column names of the seventeen text fields, in column order.
const std::array<const char*, kFilmTextFields>& filmColumns();
const char* filmColumn(FilmField field);

struct FilmRow {
    std::int64_t ID = 0;
    std::array<std::string, kFilmTextFields> texts; // Windows-1252
    std::optional<std::string> picture;             // the poster's JPEG bytes

    std::string& operator[](FilmField f) { return texts[static_cast<std::size_t>(f)]; }
    const std::string& operator[](FilmField f) const { return texts[static_cast<std::size_t>(f)]; }
};

// A statement with the values bound to its "?".
struct FilmQuery {
    std::string sql;
    std::vector<SqlValue> values;
};

std::string filmStorePath(const std::string& folder);

// A screen's connection and current result, replaced on almost every action.
struct FilmStoreSlots {
    std::unique_ptr<TSQLiteDatabase> db;
    std::unique_ptr<TSQLiteTable> result;
};

// Opens a fresh connection (the previous one is destroyed first). With the table present,
// a query becomes the new current result; a missing table is created and the query not run.
// Returns whether the query ran.
bool OpenFilmStore(FilmStoreSlots& store, const std::string& folder,
                   const std::optional<FilmQuery>& query = {});

FilmQuery FirstFilmQuery();
FilmQuery PreviousFilmQuery(std::int64_t id);
FilmQuery NextFilmQuery(std::int64_t id);
FilmQuery LastFilmQuery();
FilmQuery FilmByIdQuery(std::int64_t id);
FilmQuery AllFilmsQuery();
// The columns a film list shows, for films whose column holds the key (LIKE, letters A-Z
// without case, "_" any one character). The key is bound, never spliced.
FilmQuery SearchFilmsQuery(FilmField column, const std::string& key);
inline constexpr const char* kFilmListColumns =
    "ID,varTitolo,varNazione,varAnno,varRegista,varPrezzo,varCodice";

// Inserts the seventeen texts (trimmed) inside a transaction; returns the new ID.
std::int64_t InsertFilm(TSQLiteDatabase& db, const FilmRow& row);
void UpdateFilm(TSQLiteDatabase& db, std::int64_t id, const FilmRow& row);
// Stores the bytes of a poster file; throws ArchiveError when the file cannot be read.
void StorePoster(TSQLiteDatabase& db, std::int64_t id, const std::string& path);
void DeleteFilm(TSQLiteDatabase& db, std::int64_t id);
void CompactFilmStore(TSQLiteDatabase& db);

FilmRow ReadFilmRow(const TSQLiteTable& result);
// Every ";" and every double quote becomes a blank.
std::string SanitizeFilmText(std::string_view text);
// "Titolo - Nazione Anno - Regista" of the result's current row.
std::string FilmListLine(const TSQLiteTable& result);

} // namespace filmeria
