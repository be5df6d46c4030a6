#pragma once
// The access layer over the SQLite C library: one connection (TSQLiteDatabase) and one
// query result read wholly into memory (TSQLiteTable). Every failure raises
// ESQLiteException. Texts are Windows-1252 bytes, handed to SQLite unchanged.
#include "core/large_buffer_allocator.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace filmeria {

class ESQLiteException : public std::runtime_error {
public:
    explicit ESQLiteException(const std::string& message, int extendedCode = 0)
        : std::runtime_error(message)
        , extendedCode_(extendedCode) {}
    // SQLite's primary result code (SQLITE_BUSY, SQLITE_READONLY, ...); 0 for the layer's own.
    int code() const { return extendedCode_ & 0xFF; }
    // SQLite's extended result code (SQLITE_IOERR_WRITE, SQLITE_BUSY_SNAPSHOT, ...).
    int extendedCode() const { return extendedCode_; }

private:
    int extendedCode_;
};

// How long a connection waits for another connection's lock (another counter saving) before
// it reports the store busy: the record files wait as long.
inline constexpr int kBusyWaitMilliseconds = 5000;

enum class FieldKind { Integer = 1, Numeric = 2, Text = 3, Blob = 4 };

// A value bound to a "?" of a statement: SQL NULL, an integer, text bytes (TEXT storage
// class) or blob bytes.
struct SqlText {
    std::string bytes;
};
struct SqlBlob {
    std::string bytes;
};
using SqlValue = std::variant<std::monostate, std::int64_t, SqlText, SqlBlob>;

class TSQLiteTable;

class TSQLiteDatabase {
public:
    // Opens (creating when missing), waits up to kBusyWaitMilliseconds for another connection's
    // lock, and sets the PRAGMAs SYNCHRONOUS=NORMAL and temp_store = MEMORY.
    explicit TSQLiteDatabase(const std::string& fileName);
    ~TSQLiteDatabase(); // rolls back an open transaction, closes the connection
    TSQLiteDatabase(const TSQLiteDatabase&) = delete;
    TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

    // Runs one statement that returns no rows; values bind to its "?" in order.
    void Execute(const std::string& sql, const std::vector<SqlValue>& values = {});
    std::unique_ptr<TSQLiteTable> Query(const std::string& sql, const std::vector<SqlValue>& values = {});
    // Runs a statement whose first "?" takes the bytes as a blob and the following ones
    // `values`; empty bytes are refused.
    void StoreBlob(const std::string& sql, const std::string& bytes,
                   const std::vector<SqlValue>& values = {});
    bool HasTable(const std::string& name);
    std::int64_t LastInsertId() const;
    void StartTransaction();
    void CommitTransaction();
    void RollbackTransaction();
    // Rolls back whatever is open, reporting nothing: for destructors.
    void RollbackQuietly() noexcept;
    bool InTransaction() const { return inTransaction_; }

    sqlite3* handle() const { return db_.get(); }

private:
    struct Close {
        void operator()(sqlite3* db) const;
    };
    std::unique_ptr<sqlite3, Close> db_;
    bool inTransaction_ = false;
};

// A transaction for the length of a scope: rolled back when the scope ends unless committed.
class SQLiteTransaction {
public:
    explicit SQLiteTransaction(TSQLiteDatabase& db);
    ~SQLiteTransaction();
    SQLiteTransaction(const SQLiteTransaction&) = delete;
    SQLiteTransaction& operator=(const SQLiteTransaction&) = delete;

    void commit();

private:
    TSQLiteDatabase& db_;
    bool open_ = true;
};

class TSQLiteTable {
public:
    // Runs the query and reads every row.
    TSQLiteTable(TSQLiteDatabase& db, const std::string& sql, const std::vector<SqlValue>& values = {});

    std::uint32_t RowCount() const { return rowCount_; }
    bool AtEnd() const { return current_ >= rowCount_; }
    int ColumnIndex(const std::string& name) const;
    int ColumnCount() const { return columnCount_; }
    FieldKind KindAt(int column) const { return kinds_.at(static_cast<std::size_t>(column)); }

    // The Blob cell of the current row; nullopt for an empty cell. The bytes live as long as
    // the table.
    std::optional<std::string_view> BlobAt(int column) const;
    std::string BlobTextAt(int column) const;
    std::int64_t IntegerAt(int column) const;
    bool IsNullAt(int column) const;
    // Text of a Text-kind cell ("" when empty).
    std::string TextAt(int column) const;

    bool Next();
    bool First();
    bool Last();
    bool Seek(std::uint32_t row);
    std::uint32_t CurrentRow() const { return current_; }

private:
    // A cell in sixteen bytes; texts and blobs point into one buffer of the whole result, so a
    // search of every film costs its bytes, not an object per cell.
    enum class CellType : std::uint8_t { Null, Integer, Number, Text, Blob };
    struct Cell {
        CellType type = CellType::Null;
        std::uint32_t length = 0;
        union {
            std::int64_t integer = 0;
            double number;
            std::uint64_t offset;
        };
    };
    const Cell& cell(int column) const;
    std::string_view bytesOf(const Cell& c) const { return {bytes_.data() + c.offset, c.length}; }
    void addBytes(CellType type, const char* data, std::size_t size);

    std::vector<Cell, LargeBufferAllocator<Cell>> cells_;
    std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>> bytes_;
    std::vector<std::string> names_;
    std::vector<FieldKind> kinds_;
    int columnCount_ = 0;
    std::uint32_t rowCount_ = 0;
    std::uint32_t current_ = 0;
};

} // namespace filmeria
