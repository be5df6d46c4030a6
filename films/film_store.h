#pragma once
// Film.db: one table "film", one row per film with its poster. Statement texts, the
// cleaning rule of text values, and the operations the film screens run.
#include "core/line_list.h"
#include "core/posix_file.h"
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

// A poster file that cannot be stored with its film: missing, empty or unreadable (UTF-8 text).
// The poster a save stores: the bytes the card made of a picture in another format (turned
// into JPEG), else the bytes of the file at `path` (Windows-1252) when it is not blank.
struct PosterSource {
    std::string path{};
    std::string bytes{};
};

class PosterFileError : public ArchiveError {
public:
    using ArchiveError::ArchiveError;
};

// Why a film operation failed, as the film card tells it (UTF-8): a poster that cannot be
// read, a store busy with another counter beyond the wait, a store that cannot be written.
std::string filmStoreFailureReason(const std::exception& failure);

// A statement with the values bound to its "?".
struct FilmQuery {
    std::string sql;
    std::vector<SqlValue> values;
};

std::string filmStorePath(const std::string& folder);

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
    "ID,varTitolo,varNazione,varAnno,varRegista,varPrezzo,varCodice,varDisponibile";

// One connection to Film.db in a folder, with the operations the film screens run. Opening
// creates the file and the table film when they are missing, and the search indexes. Every failure raises
// ESQLiteException (or PosterFileError for a poster file that cannot be read).
class FilmStore {
public:
    explicit FilmStore(const std::string& folder);

    std::unique_ptr<TSQLiteTable> query(const FilmQuery& query);
    std::unique_ptr<TSQLiteTable> first() { return query(FirstFilmQuery()); }
    std::unique_ptr<TSQLiteTable> byId(std::int64_t id) { return query(FilmByIdQuery(id)); }
    std::unique_ptr<TSQLiteTable> search(FilmField column, const std::string& key) {
        return query(SearchFilmsQuery(column, key));
    }
    // The films whose code is `code` (trimmed; letter case ignored), with the list's columns:
    // a scanned barcode.
    std::unique_ptr<TSQLiteTable> withCode(const std::string& code);

    // Inserts the seventeen texts (trimmed) and the poster, when there is one, in one
    // transaction: a poster that cannot be stored leaves no film behind. Returns the new film's
    // number.
    std::int64_t insert(const FilmRow& row, const PosterSource& poster = {});
    // Updates the texts and, when there is one, the poster, in one transaction.
    void update(std::int64_t id, const FilmRow& row, const PosterSource& poster = {});
    void remove(std::int64_t id);
    // Gives the unused space of the file back (VACUUM).
    void compact();

    TSQLiteDatabase& database() { return db_; }

private:
    void storePoster(std::int64_t id, const PosterSource& poster);
    void ensureSearchIndexes();

    TSQLiteDatabase db_;
};

// A screen's own connection and current result. Every film screen reopens its connection
// (the previous one destroyed first) on almost every action; a result is held in memory and
// stays usable until it is replaced.
struct FilmStoreSlots {
    std::unique_ptr<FilmStore> store;
    std::unique_ptr<TSQLiteTable> result;

    FilmStore& reopen(const std::string& folder) {
        store.reset();
        store = std::make_unique<FilmStore>(folder);
        return *store;
    }
    // Reopens and makes the query's rows the current result.
    TSQLiteTable& reopenWith(const std::string& folder, const FilmQuery& query) {
        reopen(folder);
        result.reset();
        result = store->query(query);
        return *result;
    }
};

FilmRow ReadFilmRow(const TSQLiteTable& result);
// Every ";" and every double quote becomes a blank.
std::string SanitizeFilmText(std::string_view text);
// "Titolo - Nazione Anno - Regista" of the result's current row.
std::string FilmListLine(const TSQLiteTable& result);

// Where a result's columns of the list line are, found once for all its rows.
struct FilmListColumns {
    explicit FilmListColumns(const TSQLiteTable& result);
    int title, country, year, director;
};
void appendFilmListLine(std::string& line, const TSQLiteTable& result, const FilmListColumns& columns);
// The list line of every row of a result, in the result's order (the current row moves).
LineList FilmListLines(TSQLiteTable& result);

} // namespace filmeria
