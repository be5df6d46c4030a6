#include "films/film_store.h"
#include "other_counter.h"
#include "temp_folder.h"
#include "tools/archive_report.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>

namespace filmeria {
namespace {

using testing::TempFolder;

template <typename F> std::string failureOf(F&& action) {
    try {
        action();
    } catch (const ESQLiteException& e) {
        return e.what();
    }
    return "<no failure>";
}

TEST(SQLiteAccess, EmptyResultAndColumnLookups) {
    TempFolder dir;
    TSQLiteDatabase db(dir.file("t.db"));
    db.Execute("CREATE TABLE t (ID INTEGER PRIMARY KEY, Picture BLOB COLLATE NOCASE, n NUMERIC, s TEXT)");
    auto empty = db.Query("SELECT * FROM t");
    EXPECT_EQ(empty->RowCount(), 0u);
    EXPECT_TRUE(empty->AtEnd());
    EXPECT_FALSE(empty->First());
    EXPECT_FALSE(empty->Last());
    EXPECT_FALSE(empty->Seek(0));
    EXPECT_EQ(failureOf([&] { empty->ColumnIndex("picture"); }), "Field picture Not found. Empty dataset");

    db.Execute("INSERT INTO t VALUES (7, 'x', 2.75, 'testo')");
    auto one = db.Query("SELECT * FROM t");
    EXPECT_EQ(one->ColumnIndex("picture"), 1); // names without case
    EXPECT_EQ(one->KindAt(1), FieldKind::Blob);
    EXPECT_EQ(one->IntegerAt(2), 2); // a number truncated
    EXPECT_EQ(failureOf([&] { one->ColumnIndex("Ext"); }), "Field not found in dataset: Ext");
    EXPECT_EQ(failureOf([&] { one->IntegerAt(3); }), "Not an integer or numeric field");
    EXPECT_EQ(failureOf([&] { one->BlobAt(3); }), "Not a Blob field");
    EXPECT_TRUE(one->Next()); // on the last row: true, now at end
    EXPECT_TRUE(one->AtEnd());
    EXPECT_FALSE(one->Next());
    EXPECT_EQ(failureOf([&] { one->IsNullAt(0); }), "Table is at End of File");
}

// Another counter writing: searches, saves and the companion's export wait for it, as the
// record files wait for their lock; past the wait the failure says busy.
TEST(SQLiteAccess, AnotherConnectionsWriteIsWaitedFor) {
    TempFolder dir;
    {
        FilmStore store(dir.folder());
        FilmRow row;
        row[FilmField::varTitolo] = "Amarcord";
        store.insert(row);
    }
    using std::chrono::milliseconds;
    const auto timed = [](auto&& action) {
        const auto start = std::chrono::steady_clock::now();
        action();
        return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
    };
    {
        testing::OtherCounter other(dir.file("Film.db"), milliseconds(700));
        ASSERT_TRUE(other.locked());
        EXPECT_GE(timed([&] {
                      FilmStore store(dir.folder());
                      EXPECT_EQ(store.search(FilmField::varTitolo, "amar")->RowCount(), 1u);
                  }),
                  milliseconds(300));
    }
    {
        testing::OtherCounter other(dir.file("Film.db"), milliseconds(700));
        FilmStore store(dir.folder());
        FilmRow row;
        row[FilmField::varTitolo] = "Il sorpasso";
        EXPECT_EQ(store.insert(row), 2);
    }
    {
        testing::OtherCounter other(dir.file("Film.db"), milliseconds(700));
        std::ostringstream out, err;
        EXPECT_EQ(exportArchive(dir.file("Film.db"), out, err), 0) << err.str();
        EXPECT_NE(out.str().find("Il sorpasso"), std::string::npos);
    }
    {
        testing::OtherCounter other(dir.file("Film.db"), milliseconds(kBusyWaitMilliseconds + 1500));
        try {
            FilmStore store(dir.folder());
            FilmRow row;
            store.insert(row);
            ADD_FAILURE() << "saved while another counter held the store";
        } catch (const ESQLiteException& e) {
            EXPECT_EQ(e.code(), 5); // SQLITE_BUSY
            EXPECT_EQ(filmStoreFailureReason(e),
                      "L'archivio dei film è in uso da un'altra postazione: riprovare tra qualche istante.");
        }
    }
}

TEST(SQLiteAccess, BlobKindColumnsHoldingTexts) {
    TempFolder dir;
    TSQLiteDatabase db(dir.file("t.db"));
    db.Execute("CREATE TABLE t (ID INTEGER PRIMARY KEY, v BLOB)");
    db.Execute("INSERT INTO t VALUES (1, ?)", {SqlText{""}});
    db.Execute("INSERT INTO t VALUES (2, ?)", {SqlText{"S\xEC"}});
    auto r = db.Query("SELECT * FROM t ORDER BY ID");
    EXPECT_TRUE(r->IsNullAt(1));
    EXPECT_EQ(r->BlobAt(1), std::nullopt);
    EXPECT_EQ(r->BlobTextAt(1), "");
    r->Next();
    EXPECT_EQ(r->BlobTextAt(1), "S\xEC");
}

TEST(SQLiteAccess, FailureMessages) {
    TempFolder dir;
    auto db = std::make_unique<TSQLiteDatabase>(dir.file("t.db"));
    db->Execute("CREATE TABLE t (ID INTEGER PRIMARY KEY, v BLOB)");
    db->Execute("INSERT INTO t VALUES (1, NULL)");
    EXPECT_EQ(failureOf([&] { db->Execute("SELECT * FROM t"); }),
              "Error executing SQL statement \"SELECT * FROM t\" : another row available");
    EXPECT_EQ(failureOf([&] { db->Execute("SELEC x"); }),
              "Error executing SQL \"SELEC x\" : near \"SELEC\": syntax error");
    EXPECT_EQ(failureOf([&] { db->StoreBlob("UPDATE t SET v = ? WHERE ID = 1", ""); }),
              "Error getting memory to save blob");
    EXPECT_EQ(failureOf([&] {
                  db->StoreBlob("UPDATE t SET v = 1", "x");
              }).rfind("SQL must include a ? parameter", 0),
              0u);
    EXPECT_TRUE(db->Query("SELECT * FROM t")->IsNullAt(1)); // the empty blob changed nothing

    db->StartTransaction();
    EXPECT_EQ(failureOf([&] { db->StartTransaction(); }), "Transaction already open");
    db->Execute("INSERT INTO t VALUES (2, NULL)");
    db.reset(); // the destructor rolls back
    TSQLiteDatabase again(dir.file("t.db"));
    EXPECT_EQ(again.Query("SELECT * FROM t")->RowCount(), 1u);
    EXPECT_TRUE(again.HasTable("T"));
    EXPECT_FALSE(again.HasTable("film"));
}

class FilmArchive : public ::testing::Test {
protected:
    FilmRow film(const std::string& title) {
        FilmRow row;
        row[FilmField::varTitolo] = title;
        row[FilmField::varCodice] = "C-" + title;
        row[FilmField::varDisponibile] = "S\xEC";
        return row;
    }
    std::int64_t insert(const std::string& title) { return slots.reopen(dir.folder()).insert(film(title)); }
    std::vector<std::string> titles(const FilmQuery& q) {
        slots.reopenWith(dir.folder(), q);
        std::vector<std::string> out;
        for (bool ok = slots.result->First(); ok && !slots.result->AtEnd(); slots.result->Next())
            out.push_back(slots.result->BlobTextAt(slots.result->ColumnIndex("varTitolo")));
        return out;
    }
    TempFolder dir;
    FilmStoreSlots slots;
};

TEST_F(FilmArchive, NumbersAndNavigationQueries) {
    for (const char* t : {"uno", "due", "tre", "quattro", "cinque"})
        insert(t);
    slots.reopen(dir.folder()).remove(4);
    EXPECT_EQ(titles(PreviousFilmQuery(4)), std::vector<std::string>{"due"}); // one film skipped
    EXPECT_EQ(titles(PreviousFilmQuery(1)), std::vector<std::string>{});
    EXPECT_EQ(titles(NextFilmQuery(5)), std::vector<std::string>{});
    EXPECT_EQ(titles(NextFilmQuery(3)), std::vector<std::string>{"cinque"});
    EXPECT_EQ(titles(LastFilmQuery()), std::vector<std::string>{"cinque"});
    slots.reopen(dir.folder()).remove(5);
    EXPECT_EQ(insert("sei"), 4); // the highest number is given again
}

TEST_F(FilmArchive, ValuesAreStoredAsTypedTextsAndKeysAreBound) {
    FilmRow row = film("  Titolo ");
    row[FilmField::varTrama] = "\r\n riga uno\r\nriga due \r\n";
    row[FilmField::varNazione] = "varTitolo"; // a value equal to a column name is stored as itself
    row[FilmField::varCast] = SanitizeFilmText("Un \"cast\"; nuovo");
    FilmStore& store = slots.reopen(dir.folder());
    const std::int64_t id = store.insert(row);
    store.update(id, row);
    slots.reopenWith(dir.folder(), FilmByIdQuery(id));
    const FilmRow back = ReadFilmRow(*slots.result);
    EXPECT_EQ(back[FilmField::varTitolo], "Titolo");
    EXPECT_EQ(back[FilmField::varTrama], "riga uno\r\nriga due");
    EXPECT_EQ(back[FilmField::varNazione], "varTitolo");
    EXPECT_EQ(back[FilmField::varCast], "Un  cast   nuovo");
    EXPECT_EQ(back[FilmField::varDisponibile], "S\xEC");
    EXPECT_FALSE(back.picture.has_value());

    auto types = slots.store->database().Query("SELECT typeof(varTitolo), typeof(Picture), Ext FROM film");
    EXPECT_EQ(types->TextAt(0), "text");
    EXPECT_EQ(types->TextAt(1), "null");
    EXPECT_EQ(types->TextAt(2), "JPG");

    EXPECT_EQ(titles(SearchFilmsQuery(FilmField::varCast, "\"cast\"")), std::vector<std::string>{});
    insert("Il \"grande\" freddo");
    EXPECT_EQ(titles(SearchFilmsQuery(FilmField::varTitolo, "\"GRANDE\"")),
              std::vector<std::string>{"Il \"grande\" freddo"}); // a quote in the key is searched for
}

TEST_F(FilmArchive, SearchesAndScannedCodesReadTheirIndexesNotTheTableWithItsPosters) {
    FilmStore& store = slots.reopen(dir.folder());
    const auto plan = [&](const FilmQuery& query) {
        std::string steps;
        const auto result = store.database().Query("EXPLAIN QUERY PLAN " + query.sql, query.values);
        for (bool row = result->First(); row && !result->AtEnd(); result->Next())
            steps += result->TextAt(result->ColumnIndex("detail")) + "\n";
        return steps;
    };
    for (const FilmField column : {FilmField::varTitolo, FilmField::varTrama, FilmField::varWeb})
        EXPECT_NE(plan(SearchFilmsQuery(column, "x")).find("COVERING INDEX film_testi"), std::string::npos);
    EXPECT_NE(
        plan({"SELECT ID FROM film WHERE varCodice = ? COLLATE NOCASE", {SqlText{"F1"}}}).find("film_codice"),
        std::string::npos);
}

TEST_F(FilmArchive, LikeSearchAndTheAvailabilityFilter) {
    for (const char* t : {"abc", "a-c", "ABC", "ac",
                          "\xC0"
                          "bc"})
        insert(t);
    EXPECT_EQ(titles(SearchFilmsQuery(FilmField::varTitolo, "a_c")),
              (std::vector<std::string>{"abc", "a-c", "ABC"}));
    EXPECT_EQ(titles(SearchFilmsQuery(FilmField::varTitolo, "\xE0"
                                                            "b")),
              std::vector<std::string>{});
    EXPECT_EQ(titles(SearchFilmsQuery(FilmField::varTitolo, "  ")).size(), 5u); // an empty key: every film

    TSQLiteDatabase& db = slots.reopen(dir.folder()).database();
    db.Execute("UPDATE film SET varDisponibile = 'No' WHERE varTitolo = 'abc'");
    db.Execute("UPDATE film SET varDisponibile = '' WHERE varTitolo = 'ac'");
    EXPECT_EQ(titles({"SELECT * FROM film WHERE varDisponibile <> \"No\" ", {}}).size(), 4u);
}

TEST_F(FilmArchive, APosterThatCannotBeStoredLeavesNoFilmAndNoChangeBehind) {
    const std::int64_t kept = insert("Prima");
    dir.write("empty.jpg", "");
    FilmStore& store = slots.reopen(dir.folder());
    EXPECT_THROW(store.insert(film("Seconda"), {dir.file("missing.jpg")}), PosterFileError);
    EXPECT_THROW(store.insert(film("Terza"), {dir.file("empty.jpg")}), PosterFileError);
    EXPECT_THROW(store.update(kept, film("Cambiata"), {dir.file("missing.jpg")}), PosterFileError);
    EXPECT_EQ(titles(AllFilmsQuery()), std::vector<std::string>{"Prima"});
    EXPECT_EQ(insert("Quarta"), kept + 1); // no transaction was left open
}

TEST_F(FilmArchive, PostersAndTheFileSeenByTheSqliteShell) {
    dir.write("poster.jpg", std::string("\xFF\xD8\xFF\xE0 jpeg bytes \0 with a zero", 28));
    FilmStore& store = slots.reopen(dir.folder());
    const std::int64_t id = store.insert(film("Locandina"), {" " + dir.file("poster.jpg") + " "});
    slots.reopenWith(dir.folder(), FilmByIdQuery(id));
    EXPECT_EQ(ReadFilmRow(*slots.result).picture, dir.read("poster.jpg"));
    slots = {};

    const std::string command =
        "sqlite3 '" + dir.file("Film.db") +
        "' \"SELECT sql || ';' FROM sqlite_master WHERE type = 'table' AND name = 'film'\" "
        "\"SELECT hex(varCodice) FROM film\" 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe.get()))
        output += buffer;
    EXPECT_EQ(output,
              "CREATE TABLE film (ID INTEGER PRIMARY KEY,varTitolo BLOB,varNazione BLOB,varAnno BLOB,"
              "varGenere BLOB,varDurata BLOB,varRegista BLOB,varDistributore BLOB,varCast BLOB,varOriginale "
              "BLOB,varSottotitoli BLOB,varLingue BLOB,varPrezzo BLOB,varSupporto BLOB,varDisponibile BLOB,"
              "varTrama BLOB,varCodice BLOB,varWeb BLOB, Picture BLOB COLLATE NOCASE,Ext TEXT);\n"
              "432D4C6F63616E64696E61\n");
}

} // namespace
} // namespace filmeria
