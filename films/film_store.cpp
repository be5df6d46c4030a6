#include "films/film_store.h"

#include "core/posix_file.h"
#include "core/text_rules.h"
#include "core/windows1252.h"

#include <sqlite3.h>

namespace filmeria {
namespace {

constexpr std::array<const char*, kFilmTextFields> kColumns = {
    "varTitolo",       "varNazione",     "varAnno",      "varGenere",      "varDurata", "varRegista",
    "varDistributore", "varCast",        "varOriginale", "varSottotitoli", "varLingue", "varPrezzo",
    "varSupporto",     "varDisponibile", "varTrama",     "varCodice",      "varWeb"};

std::vector<SqlValue> trimmedTexts(const FilmRow& row) {
    std::vector<SqlValue> values;
    values.reserve(kFilmTextFields);
    for (const std::string& text : row.texts)
        values.emplace_back(SqlText{trimmed(text)});
    return values;
}

} // namespace

const std::array<const char*, kFilmTextFields>& filmColumns() {
    return kColumns;
}
const char* filmColumn(FilmField field) {
    return kColumns[static_cast<std::size_t>(field)];
}

std::string filmStorePath(const std::string& folder) {
    return folder + "Film.db";
}

FilmStore::FilmStore(const std::string& folder)
    : db_(filmStorePath(folder)) {
    if (!db_.HasTable("film"))
        db_.Execute(kFilmTableDefinition);
    ensureSearchIndexes();
}

void FilmStore::ensureSearchIndexes() {
    // Each film's texts share their pages with its poster, so a search through the table reads
    // every poster; an index holding every text column (and the ID, which every index row
    // carries) answers the searches from a few megabytes. The code's own index finds a scanned
    // code at once. Neither changes the table; a store that cannot take them (read-only,
    // busy) is searched through the table as before.
    static const std::string kTexts = [] {
        std::string sql = "CREATE INDEX IF NOT EXISTS film_testi ON film(";
        for (std::size_t i = 0; i < kColumns.size(); ++i)
            sql += std::string(i ? "," : "") + kColumns[i];
        return sql + ");";
    }();
    try {
        db_.Execute(kTexts);
        db_.Execute("CREATE INDEX IF NOT EXISTS film_codice ON film(varCodice COLLATE NOCASE);");
    } catch (const ESQLiteException&) {
    }
}

std::unique_ptr<TSQLiteTable> FilmStore::query(const FilmQuery& query) {
    return db_.Query(query.sql, query.values);
}

std::unique_ptr<TSQLiteTable> FilmStore::withCode(const std::string& code) {
    return db_.Query(std::string("SELECT ") + kFilmListColumns +
                         " FROM film WHERE varCodice = ? COLLATE NOCASE ORDER BY +ID",
                     {SqlText{trimmed(code)}});
}

FilmQuery FirstFilmQuery() {
    return {"SELECT * FROM film LIMIT 1 OFFSET 0", {}};
}

FilmQuery PreviousFilmQuery(std::int64_t id) {
    return {"SELECT * FROM film WHERE ID <= ? ORDER BY ID DESC LIMIT 1 OFFSET 1", {id}};
}

FilmQuery NextFilmQuery(std::int64_t id) {
    return {"SELECT * FROM film WHERE ID > ? ORDER BY ID LIMIT 1", {id}};
}

FilmQuery LastFilmQuery() {
    return {"SELECT * FROM film WHERE ID = (SELECT MAX(ID) FROM film)", {}};
}

FilmQuery FilmByIdQuery(std::int64_t id) {
    return {"SELECT * FROM film WHERE ID=?", {id}};
}

FilmQuery AllFilmsQuery() {
    return {"SELECT * FROM film", {}};
}

FilmQuery SearchFilmsQuery(FilmField column, const std::string& key) {
    // In the table's order, read from the text index: "+ID" keeps the planner from walking the
    // table (with its posters) just to have the rows in that order.
    return {std::string("SELECT ") + kFilmListColumns + " FROM film WHERE " + filmColumn(column) +
                " LIKE ? ORDER BY +ID",
            {SqlText{"%" + trimmed(key) + "%"}}};
}

std::int64_t FilmStore::insert(const FilmRow& row, const PosterSource& poster) {
    SQLiteTransaction transaction(db_);
    std::string sql = "INSERT INTO film(ID";
    for (const char* column : kColumns)
        sql += std::string(",") + column;
    sql += ",Ext) VALUES (NULL";
    for (std::size_t i = 0; i < kFilmTextFields; ++i)
        sql += ",?";
    sql += ",'JPG');";
    db_.Execute(sql, trimmedTexts(row));
    const std::int64_t id = db_.LastInsertId();
    storePoster(id, poster);
    transaction.commit();
    return id;
}

void FilmStore::update(std::int64_t id, const FilmRow& row, const PosterSource& poster) {
    SQLiteTransaction transaction(db_);
    std::string sql = "UPDATE film SET ";
    for (std::size_t i = 0; i < kFilmTextFields; ++i)
        sql += std::string(i ? "," : "") + kColumns[i] + "=?";
    sql += " WHERE ID=?;";
    std::vector<SqlValue> values = trimmedTexts(row);
    values.emplace_back(id);
    db_.Execute(sql, values);
    storePoster(id, poster);
    transaction.commit();
}

void FilmStore::storePoster(std::int64_t id, const PosterSource& poster) {
    if (!poster.bytes.empty()) {
        db_.StoreBlob("UPDATE film SET picture = ? WHERE ID = ?", poster.bytes, {id});
        return;
    }
    const std::string file = trimmed(poster.path);
    if (file.empty())
        return;
    // The path is Windows-1252 like every text of the card; the message is UTF-8.
    const std::string named = "la locandina '" + utf8FromCp1252(file) + "'";
    std::optional<std::string> bytes;
    try {
        bytes = readWholeFile(file);
    } catch (const ArchiveError&) {
        throw PosterFileError(named + " non si può leggere");
    }
    if (!bytes)
        throw PosterFileError(named + " non esiste più");
    if (bytes->empty())
        throw PosterFileError(named + " è un file vuoto");
    db_.StoreBlob("UPDATE film SET picture = ? WHERE ID = ?", *bytes, {id});
}

std::string filmStoreFailureReason(const std::exception& failure) {
    if (dynamic_cast<const PosterFileError*>(&failure))
        return std::string("Non è stato possibile leggere l'immagine della locandina: ") + failure.what() +
               ".";
    if (const auto* store = dynamic_cast<const ESQLiteException*>(&failure)) {
        switch (store->code()) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return "L'archivio dei film è in uso da un'altra postazione: riprovare tra qualche istante.";
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_IOERR:
        case SQLITE_FULL:
        case SQLITE_AUTH:
            return "L'archivio dei film non si può scrivere: accertarsi di possedere i privilegi di "
                   "scrittura "
                   "nella cartella dei dati e che il disco non sia pieno.";
        default:
            break;
        }
    }
    return std::string("Errore dell'archivio dei film: ") + failure.what();
}

void FilmStore::remove(std::int64_t id) {
    db_.Execute("DELETE FROM film WHERE ID=?", {id});
}

void FilmStore::compact() {
    // VACUUM builds its copy in temporary storage: in a file, not in memory, so a store of any
    // size is compacted in a few megabytes. The connection goes back to memory afterwards.
    db_.Execute("PRAGMA temp_store = FILE;");
    try {
        db_.Execute("VACUUM;");
    } catch (...) {
        db_.Execute("PRAGMA temp_store = MEMORY;");
        throw;
    }
    db_.Execute("PRAGMA temp_store = MEMORY;");
}

FilmRow ReadFilmRow(const TSQLiteTable& result) {
    FilmRow row;
    row.ID = result.IntegerAt(result.ColumnIndex("ID"));
    for (std::size_t i = 0; i < kFilmTextFields; ++i)
        row.texts[i] = result.BlobTextAt(result.ColumnIndex(kColumns[i]));
    const int picture = result.ColumnIndex("picture");
    if (!result.IsNullAt(picture))
        row.picture = std::string(*result.BlobAt(picture));
    return row;
}

std::string SanitizeFilmText(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ';' || c == '"')
            c = ' ';
    }
    return out;
}

std::string FilmListLine(const TSQLiteTable& r) {
    std::string line;
    appendFilmListLine(line, r, FilmListColumns(r));
    return line;
}

FilmListColumns::FilmListColumns(const TSQLiteTable& r)
    : title(r.ColumnIndex(filmColumn(FilmField::varTitolo)))
    , country(r.ColumnIndex(filmColumn(FilmField::varNazione)))
    , year(r.ColumnIndex(filmColumn(FilmField::varAnno)))
    , director(r.ColumnIndex(filmColumn(FilmField::varRegista))) {}

void appendFilmListLine(std::string& line, const TSQLiteTable& r, const FilmListColumns& columns) {
    const auto text = [&](int column) { return r.BlobAt(column).value_or(std::string_view()); };
    line += text(columns.title);
    line += " - ";
    line += text(columns.country);
    line += " ";
    line += text(columns.year);
    line += " - ";
    line += text(columns.director);
}

LineList FilmListLines(TSQLiteTable& result) {
    LineList lines;
    if (!result.First() || result.AtEnd())
        return lines;
    const FilmListColumns columns(result);
    // The result is in memory: its lines' exact room, asked for once.
    std::size_t bytes = 0;
    for (; !result.AtEnd(); result.Next()) {
        for (const int column : {columns.title, columns.country, columns.year, columns.director})
            if (const auto text = result.BlobAt(column))
                bytes += text->size();
        bytes += 7; // " - ", " ", " - "
    }
    lines.reserve(result.RowCount(), bytes);
    result.First();
    std::string line; // one buffer for every line
    for (; !result.AtEnd(); result.Next()) {
        line.clear();
        appendFilmListLine(line, result, columns);
        lines.push_back(line);
    }
    return lines;
}

} // namespace filmeria
