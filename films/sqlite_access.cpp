#include "films/sqlite_access.h"

#include "core/text_rules.h"

#include <sqlite3.h>

#include <cstring>

namespace filmeria {
namespace {

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

// B, or B followed by the statement and SQLite's message when SQLite has an error code.
[[noreturn]] void report(sqlite3* db, const std::string& base, const std::string& sql) {
    if (db && sqlite3_errcode(db) != 0)
        throw ESQLiteException(base + " \"" + sql + "\" : " + sqlite3_errmsg(db),
                               sqlite3_extended_errcode(db));
    throw ESQLiteException(base);
}

Statement compile(sqlite3* db, const std::string& sql, const char* failure) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        Statement guard(raw);
        report(db, failure, sql);
    }
    if (!raw)
        report(db, "Could not prepare SQL statement", sql);
    return Statement(raw);
}

void bind(sqlite3* db, sqlite3_stmt* statement, const std::string& sql, const std::vector<SqlValue>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int index = static_cast<int>(i + 1);
        const int rc = std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::monostate>)
                    return sqlite3_bind_null(statement, index);
                else if constexpr (std::is_same_v<T, std::int64_t>)
                    return sqlite3_bind_int64(statement, index, v);
                else if constexpr (std::is_same_v<T, SqlText>)
                    return sqlite3_bind_text(statement, index, v.bytes.data(),
                                             static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
                else
                    return sqlite3_bind_blob(statement, index, v.bytes.data(),
                                             static_cast<int>(v.bytes.size()), SQLITE_TRANSIENT);
            },
            values[i]);
        if (rc != SQLITE_OK)
            report(db, "Error binding value to SQL statement", sql);
    }
}

FieldKind kindOf(sqlite3_stmt* statement, int column) {
    const char* declared = sqlite3_column_decltype(statement, column);
    if (!declared) {
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return FieldKind::Integer;
        case SQLITE_FLOAT:
            return FieldKind::Numeric;
        case SQLITE_BLOB:
            return FieldKind::Blob;
        default:
            return FieldKind::Text;
        }
    }
    const std::string type = declared;
    if (type == "INTEGER" || type == "BOOLEAN")
        return FieldKind::Integer;
    if (type == "NUMERIC" || type == "FLOAT" || type == "DOUBLE" || type == "REAL")
        return FieldKind::Numeric;
    if (type == "BLOB")
        return FieldKind::Blob;
    return FieldKind::Text;
}

// LIKE over single-byte Windows-1252 texts: "%" any run, "_" any one character, letters
// A-Z without case, every other byte (accented letters included) exactly. SQLite's own
// LIKE reads UTF-8 and would take two different accented bytes for the same character.
bool likeBytes(const unsigned char* pattern, const unsigned char* text) {
    const auto fold = [](unsigned char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
    };
    const unsigned char* starP = nullptr;
    const unsigned char* starT = nullptr;
    while (*text) {
        if (*pattern == '%') {
            starP = ++pattern;
            starT = text;
        } else if (*pattern && (*pattern == '_' || fold(*pattern) == fold(*text))) {
            ++pattern;
            ++text;
        } else if (starP) {
            pattern = starP;
            text = ++starT;
        } else {
            return false;
        }
    }
    while (*pattern == '%')
        ++pattern;
    return *pattern == 0;
}

void like(sqlite3_context* context, int, sqlite3_value** args) {
    const unsigned char* pattern = sqlite3_value_text(args[0]);
    const unsigned char* text = sqlite3_value_text(args[1]);
    if (!pattern || !text)
        return; // NULL
    sqlite3_result_int(context, likeBytes(pattern, text) ? 1 : 0);
}

} // namespace

void TSQLiteDatabase::Close::operator()(sqlite3* db) const {
    sqlite3_close(db);
}

TSQLiteDatabase::TSQLiteDatabase(const std::string& fileName) {
    sqlite3* raw = nullptr;
    // A connection serves one thread: without SQLite's own mutex every column read is cheaper.
    const int rc = sqlite3_open_v2(fileName.c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) {
        if (!raw)
            throw ESQLiteException("Failed to open database \"" + fileName + "\" : unknown error");
        throw ESQLiteException("Failed to open database \"" + fileName + "\" : " + sqlite3_errmsg(raw),
                               sqlite3_extended_errcode(raw));
    }
    sqlite3_busy_timeout(raw, kBusyWaitMilliseconds);
    sqlite3_create_function(raw, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, like, nullptr,
                            nullptr);
    Execute("PRAGMA SYNCHRONOUS=NORMAL;");
    Execute("PRAGMA temp_store = MEMORY;");
}

TSQLiteDatabase::~TSQLiteDatabase() {
    if (inTransaction_)
        RollbackQuietly(); // closing would roll back what is left anyway
}

void TSQLiteDatabase::RollbackQuietly() noexcept {
    if (db_)
        sqlite3_exec(db_.get(), "ROLLBACK;", nullptr, nullptr, nullptr);
    inTransaction_ = false;
}

void TSQLiteDatabase::Execute(const std::string& sql, const std::vector<SqlValue>& values) {
    const Statement statement = compile(db_.get(), sql, "Error executing SQL");
    bind(db_.get(), statement.get(), sql, values);
    if (sqlite3_step(statement.get()) != SQLITE_DONE)
        report(db_.get(), "Error executing SQL statement", sql);
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::Query(const std::string& sql,
                                                     const std::vector<SqlValue>& values) {
    return std::make_unique<TSQLiteTable>(*this, sql, values);
}

void TSQLiteDatabase::StoreBlob(const std::string& sql, const std::string& bytes,
                                const std::vector<SqlValue>& values) {
    if (sql.find('?') == std::string::npos)
        report(db_.get(), "SQL must include a ? parameter", sql);
    const Statement statement = compile(db_.get(), sql, "Could not prepare SQL statement");
    if (bytes.empty())
        throw ESQLiteException("Error getting memory to save blob");
    std::vector<SqlValue> all{SqlBlob{bytes}};
    all.insert(all.end(), values.begin(), values.end());
    bind(db_.get(), statement.get(), sql, all);
    if (sqlite3_step(statement.get()) != SQLITE_DONE)
        report(db_.get(), "Error executing SQL statement", sql);
}

bool TSQLiteDatabase::HasTable(const std::string& name) {
    const auto result = Query("select [sql] from sqlite_master where [type] = 'table' and lower(name) = ?",
                              {SqlText{asciiLower(name)}});
    return result->RowCount() > 0;
}

std::int64_t TSQLiteDatabase::LastInsertId() const {
    return sqlite3_last_insert_rowid(db_.get());
}

void TSQLiteDatabase::StartTransaction() {
    if (inTransaction_)
        throw ESQLiteException("Transaction already open");
    Execute("BEGIN TRANSACTION;");
    inTransaction_ = true;
}

void TSQLiteDatabase::CommitTransaction() {
    Execute("COMMIT;");
    inTransaction_ = false;
}

void TSQLiteDatabase::RollbackTransaction() {
    inTransaction_ = false;
    Execute("ROLLBACK;");
}

SQLiteTransaction::SQLiteTransaction(TSQLiteDatabase& db)
    : db_(db) {
    db_.StartTransaction();
}

SQLiteTransaction::~SQLiteTransaction() {
    if (!open_)
        return;
    // A transaction SQLite has already ended itself (after a failed statement) refuses the
    // rollback; nothing of it was kept either way.
    db_.RollbackQuietly();
}

void SQLiteTransaction::commit() {
    db_.CommitTransaction();
    open_ = false;
}

TSQLiteTable::TSQLiteTable(TSQLiteDatabase& database, const std::string& sql,
                           const std::vector<SqlValue>& values) {
    sqlite3* db = database.handle();
    const Statement statement = compile(db, sql, "Error executing SQL");
    bind(db, statement.get(), sql, values);
    sqlite3_stmt* st = statement.get();
    for (;;) {
        const int rc = sqlite3_step(st);
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY)
            throw ESQLiteException("Could not prepare SQL statement");
        if (rc != SQLITE_ROW)
            report(db, "Could not retrieve data", sql);
        if (++rowCount_ == 1) {
            columnCount_ = sqlite3_column_count(st);
            for (int c = 0; c < columnCount_; ++c) {
                names_.push_back(asciiUpper(sqlite3_column_name(st, c)));
                kinds_.push_back(kindOf(st, c));
            }
        } else if (rowCount_ == 2) {
            // A result of many rows (a search of every film): room for a store's worth at once.
            // The room is mapped, not touched, so what is not filled costs nothing, and the
            // buffers never copy themselves as they grow.
            cells_.reserve(std::size_t{1} << 20);
            bytes_.reserve(std::size_t{64} << 20);
        }
        for (int c = 0; c < columnCount_; ++c) {
            Cell& cell = cells_.emplace_back();
            if (sqlite3_column_type(st, c) == SQLITE_NULL)
                continue;
            switch (kinds_[static_cast<std::size_t>(c)]) {
            case FieldKind::Integer:
                cell.type = CellType::Integer;
                cell.integer = static_cast<std::int64_t>(sqlite3_column_int64(st, c));
                break;
            case FieldKind::Numeric:
                cell.type = CellType::Number;
                cell.number = sqlite3_column_double(st, c);
                break;
            case FieldKind::Blob: {
                const int size = sqlite3_column_bytes(st, c);
                if (size > 0)
                    addBytes(CellType::Blob, static_cast<const char*>(sqlite3_column_blob(st, c)),
                             static_cast<std::size_t>(size));
                break;
            }
            case FieldKind::Text: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
                const int size = sqlite3_column_bytes(st, c);
                addBytes(CellType::Text, text ? text : "", text ? static_cast<std::size_t>(size) : 0);
                break;
            }
            }
        }
    }
}

void TSQLiteTable::addBytes(CellType type, const char* data, std::size_t size) {
    Cell& cell = cells_.back();
    cell.type = type;
    cell.offset = bytes_.size();
    cell.length = static_cast<std::uint32_t>(size);
    bytes_.append(data, size);
}

int TSQLiteTable::ColumnIndex(const std::string& name) const {
    if (names_.empty())
        throw ESQLiteException("Field " + name + " Not found. Empty dataset");
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (equalsIgnoringAsciiCase(names_[i], name))
            return static_cast<int>(i);
    }
    throw ESQLiteException("Field not found in dataset: " + name);
}

const TSQLiteTable::Cell& TSQLiteTable::cell(int column) const {
    if (AtEnd())
        throw ESQLiteException("Table is at End of File");
    if (column < 0 || column >= columnCount_)
        throw ESQLiteException("Field not found in dataset: " + std::to_string(column));
    return cells_[static_cast<std::size_t>(current_) * static_cast<std::size_t>(columnCount_) +
                  static_cast<std::size_t>(column)];
}

std::optional<std::string_view> TSQLiteTable::BlobAt(int column) const {
    const Cell& c = cell(column);
    if (c.type == CellType::Null)
        return std::nullopt;
    if (c.type == CellType::Blob)
        return bytesOf(c);
    throw ESQLiteException("Not a Blob field");
}

std::string TSQLiteTable::BlobTextAt(int column) const {
    return std::string(BlobAt(column).value_or(std::string_view()));
}

std::string TSQLiteTable::TextAt(int column) const {
    const Cell& c = cell(column);
    if (c.type == CellType::Text || c.type == CellType::Blob)
        return std::string(bytesOf(c));
    return {};
}

std::int64_t TSQLiteTable::IntegerAt(int column) const {
    const Cell& c = cell(column);
    switch (c.type) {
    case CellType::Null:
        return 0;
    case CellType::Integer:
        return c.integer;
    case CellType::Number:
        return static_cast<std::int64_t>(c.number);
    default:
        throw ESQLiteException("Not an integer or numeric field");
    }
}

bool TSQLiteTable::IsNullAt(int column) const {
    return cell(column).type == CellType::Null;
}

bool TSQLiteTable::Next() {
    if (AtEnd())
        return false;
    ++current_;
    return true;
}

bool TSQLiteTable::First() {
    if (rowCount_ == 0)
        return false;
    current_ = 0;
    return true;
}

bool TSQLiteTable::Last() {
    if (rowCount_ == 0)
        return false;
    current_ = rowCount_ - 1;
    return true;
}

bool TSQLiteTable::Seek(std::uint32_t row) {
    if (rowCount_ == 0 || row >= rowCount_)
        return false;
    current_ = row;
    return true;
}

} // namespace filmeria
