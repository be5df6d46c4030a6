#include "customers/identity_checks.h"
#include "films/film_store.h"
#include "slip_builder.h"
#include "temp_folder.h"
#include "tools/archive_report.h"
#include "tools/demo_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include <sstream>
#include <sys/stat.h>

namespace filmeria {
namespace {

using testing::TempFolder;

struct CheckRun {
    int code;
    std::string out;
};

CheckRun check(const std::string& path) {
    std::ostringstream out, err;
    const int code = checkArchive(path, out, err);
    return {code, out.str() + err.str()};
}

TEST(ArchiveCompanion, CheckReportsEachKindOfDamage) {
    TempFolder dir;
    demo::writeSlips(dir.folder(), 2009, 3, 10, 5);
    EXPECT_EQ(check(dir.file("2009.nol")).code, 0);

    std::string bytes = dir.read("2009.nol");
    bytes[1368 + 11] = static_cast<char>(60);   // record 2: Cliente length 60 > 50
    bytes.replace(2 * 1368 + 135, 3, "\x02SI"); // record 3: paid flag "SI"
    dir.write("2009.nol", bytes + "xyz");       // and a trailing fragment
    const CheckRun run = check(dir.file("2009.nol"));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("3 record di 1368 byte"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("frammento finale di 3 byte"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("record 2: il campo Cliente ha lunghezza 60 oltre la sua capacità 50"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("record 3: il campo Saldato \"SI\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("3 problemi trovati"), std::string::npos) << run.out;

    EXPECT_EQ(check(dir.file("missing.pro")).code, 2);
    EXPECT_EQ(check(dir.file("notes.txt")).code, 2);
}

// A file larger than a block streams through: the record that straddles the first block's end
// is read whole and named by its own number.
TEST(ArchiveCompanion, CheckStreamsAFileAndReadsTheRecordAcrossABlocksEnd) {
    TempFolder dir;
    demo::writeSlips(dir.folder(), 2009, 1000, 10, 5); // 1.37 MB
    std::string bytes = dir.read("2009.nol");
    const std::size_t straddling = (1 << 20) / 1368; // the 767th record, 0-based 766
    bytes.replace(straddling * 1368 + 135, 3, "\x02SI");
    dir.write("2009.nol", bytes);
    const CheckRun run = check(dir.file("2009.nol"));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("1000 record di 1368 byte"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("record " + std::to_string(straddling + 1) + ": il campo Saldato \"SI\""),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("1 problema trovato"), std::string::npos) << run.out;
}

// Films out across the year files: a row with a rental date and no return date, oldest first,
// an unreadable rental date last; returned rows, rows without a film and rows never rented are
// not out.
TEST(ArchiveCompanion, FilmsOutAcrossTheYearsOldestFirst) {
    TempFolder dir;
    const auto row = [](RentalRecord& slip, int k, const std::string& code, const std::string& rented,
                        const std::string& returned = "") {
        slip.at(RowField::Codice, k) = code;
        slip.at(RowField::Titolo, k) = code.empty() ? "" : "Titolo " + code;
        slip.at(RowField::Prestito, k) = rented;
        slip.at(RowField::Riconsegna, k) = returned;
    };
    RentalRecord old;
    old[SlipField::NumScheda] = "40";
    old[SlipField::Cliente] = "Bar; Sport";
    old[SlipField::Tessera] = "A15";
    row(old, 1, "F1", "28/12/2025");
    row(old, 2, "F2", "28/12/2025", "30/12/2025"); // returned
    yearArchive(dir.folder(), "2025").append(old);
    RentalRecord recent;
    recent[SlipField::NumScheda] = "3";
    recent[SlipField::Cliente] = "Rossi Mario";
    row(recent, 1, "F3", "10/01/2026");
    row(recent, 2, "", "10/01/2026");   // no film on the row
    row(recent, 3, "F4", "");           // never rented
    row(recent, 4, "F5", "31/02/2026"); // not a date
    row(recent, 10, "F6", "12/01/2026");
    yearArchive(dir.folder(), "2026").append(RentalRecord());
    yearArchive(dir.folder(), "2026").append(recent);
    dir.write("note.nol", "");  // not a year file
    dir.write("20261.nol", ""); // nor this

    std::ostringstream out, err;
    EXPECT_EQ(reportFilmsOut(dir.folder(), "12/01/2026", out, err), 0) << err.str();
    EXPECT_EQ(out.str(), "Anno;Scheda;Posizione;Riga;Codice;Titolo;Cliente;Tessera;Prestito;Giorni\n"
                         "2025;40;1;1;F1;Titolo F1;Bar  Sport;A15;28/12/2025;15\n"
                         "2026;3;2;1;F3;Titolo F3;Rossi Mario;;10/01/2026;2\n"
                         "2026;3;2;10;F6;Titolo F6;Rossi Mario;;12/01/2026;0\n"
                         "2026;3;2;4;F5;Titolo F5;Rossi Mario;;31/02/2026;\n");
    std::ostringstream none, why;
    EXPECT_EQ(reportFilmsOut(dir.file("manca"), "", none, why), 2);
    EXPECT_EQ(reportFilmsOut(dir.folder(), "31/02/2026", none, why), 2);
}

TEST(ArchiveCompanion, StatisticsTableOfEveryMonthAndTheSlipsApart) {
    TempFolder dir;
    const auto slip = [](const std::string& number, const std::string& date, const std::string& total,
                         const std::string& paid) {
        RentalRecord s = testing::slipOf(number, date, total, paid);
        testing::rentFilm(s, 1, "F" + number, "");
        return s;
    };
    const RentalArchive year = yearArchive(dir.folder(), "2026");
    year.append(slip("1", "03/02/2026", "12,50", kPaid));
    year.append(slip("2", "28/02/2026", "3,00", kNotPaid));
    year.append(slip("3", "01/13/2026", "1,00", kPaid));

    std::ostringstream out, err;
    EXPECT_EQ(reportStatistics(dir.folder(), "2026", out, err), 0) << err.str();
    std::string months;
    for (int m = 1; m <= 12; ++m)
        months += (m < 10 ? "0" : "") + std::to_string(m) +
                  (m == 2 ? ";2;2;15,50;12,50;3,00\n" : ";0;0;0,00;0,00;0,00\n");
    EXPECT_EQ(out.str(), "Mese;Schede;Film;Incasso;Saldato;Da saldare\n" + months +
                             "Totale;3;3;16,50;13,50;3,00\nAltro;1;1;1,00;1,00;0,00\n");
    EXPECT_EQ(err.str(), "Altro: Scheda n. 3 (posizione 3): data \"01/13/2026\" non dell'anno 2026\n");

    // A year or folder that cannot be read, and a year that is not one.
    std::filesystem::create_directory(dir.file("2027.nol"));
    for (const auto& [folder, yearText] :
         std::initializer_list<std::pair<std::string, std::string>>{{dir.file("manca"), "2026"},
                                                                    {dir.folder(), "2025"},
                                                                    {dir.folder(), "2027"},
                                                                    {dir.folder(), "26"}}) {
        std::ostringstream none, why;
        EXPECT_EQ(reportStatistics(folder, yearText, none, why), 2) << folder << " " << yearText;
        EXPECT_TRUE(none.str().empty());
        EXPECT_FALSE(why.str().empty());
    }
}

// Amounts written under a locale with a decimal comma in the C library ("3,,50"), or by hand:
// what the program's rule would not have written is a problem; what it writes, or what a clerk
// typed and saved without leaving the field, is not.
TEST(ArchiveCompanion, CheckFlagsAmountsTheProgramWouldNotHaveWritten) {
    TempFolder dir;
    RentalRecord good;
    good[SlipField::NumScheda] = "1";
    good[SlipField::Saldato] = kNotPaid;
    good[SlipField::Totale] = "7,00";
    good.at(RowField::PrezzoDie, 1) = "3,5"; // typed, saved before leaving the field
    good.at(RowField::PrezzoTot, 1) = "7,0025";
    good.at(RowField::PrezzoDie, 2) = "1,23456789012346E17";
    RentalRecord broken = good;
    broken[SlipField::Totale] = "7,,00";
    broken.at(RowField::PrezzoDie, 10) = "3,,50";
    broken.at(RowField::PrezzoTot, 10) = "3.50";
    dir.write("2009.nol", good.encode() + broken.encode());
    const CheckRun run = check(dir.file("2009.nol"));
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.out.find("record 2: l'importo Totale \"7,,00\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("record 2: l'importo PrezzoDie10 \"3,,50\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("record 2: l'importo PrezzoTot10 \"3.50\""), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("record 1:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("3 problemi trovati"), std::string::npos) << run.out;

    {
        FilmStore store(dir.folder());
        for (const char* price : {"3,50", "", "3,,50", "-2"}) {
            FilmRow film;
            film[FilmField::varTitolo] = "Film";
            film[FilmField::varPrezzo] = price;
            store.insert(film);
        }
    }
    const CheckRun films = check(dir.file("Film.db"));
    EXPECT_EQ(films.code, 1);
    EXPECT_NE(films.out.find("film 3: il prezzo \"3,,50\""), std::string::npos) << films.out;
    EXPECT_NE(films.out.find("film 4: il prezzo \"-2\""), std::string::npos) << films.out;
    EXPECT_NE(films.out.find("2 problemi trovati"), std::string::npos) << films.out;
}

TEST(ArchiveCompanion, ExportWritesUtf8CsvWithAHeaderOfFieldNames) {
    TempFolder dir;
    CustomerRecord r;
    r[CustomerField::Nome] = "Citt\xE0, \"Il\" Bar";
    r[CustomerField::Trama] = "uno\r\ndue";
    r[CustomerField::Tessera] = "\x80"
                                "1";
    dir.write("Clienti.pro", r.encode() + "frammento");
    std::ostringstream out, err;
    EXPECT_EQ(exportArchive(dir.file("Clienti.pro"), out, err), 0);
    const std::string csv = out.str();
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n")),
        "Nome,Indirizzo,Cap,Citta,Prov,DataNasc,LuogoNasc,CodFisc,Iva,Tessera,Iscrizione,Noleggio,TelCasa,"
        "TelUff,TelCel,Fax,Email,Trama");
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2),
              "\"Citt\u00E0, \"\"Il\"\" Bar\",,,,,,,,,\u20AC1,,,,,,,,\"uno\r\ndue\"\r\n");
}

TEST(ArchiveCompanion, FilmStoreExportAndCheck) {
    TempFolder dir;
    demo::writeFilms(dir.folder(), 4, {2, 40, 60, 80, false}, 3);
    std::ostringstream out, err;
    EXPECT_EQ(exportArchive(dir.file("Film.db"), out, err), 0);
    const std::string csv = out.str();
    EXPECT_EQ(
        csv.substr(0, csv.find("\r\n")),
        "ID,varTitolo,varNazione,varAnno,varGenere,varDurata,varRegista,varDistributore,varCast,varOriginale,"
        "varSottotitoli,varLingue,varPrezzo,varSupporto,varDisponibile,varTrama,varCodice,varWeb,"
        "PosterBytes");
    EXPECT_NE(csv.find(",F1002,http://www.esempio.it/film/2,0\r\n"), std::string::npos) << csv;
    EXPECT_EQ(check(dir.file("Film.db")).code, 0);

    {
        TSQLiteDatabase db(dir.file("Film.db"));
        db.StoreBlob("UPDATE film SET picture = ? WHERE ID = 3", "not a jpeg");
    }
    const CheckRun damaged = check(dir.file("Film.db"));
    EXPECT_EQ(damaged.code, 1);
    EXPECT_NE(damaged.out.find("film 3: la locandina non è un'immagine JPEG leggibile"), std::string::npos)
        << damaged.out;
    EXPECT_NE(damaged.out.find("4 film, 2 locandine"), std::string::npos) << damaged.out;
    dir.write("other.db", "not a database at all");
    EXPECT_EQ(check(dir.file("other.db")).code, 2);
    EXPECT_EQ(check(dir.file("missing.db")).code, 2);
    EXPECT_FALSE(dir.exists("missing.db")); // checking never creates a database
}

TEST(DemoData, FiscalCodesCarryTheirCheckCharacterAndOutputIsDeterministic) {
    EXPECT_EQ(demo::fiscalCodeCheckCharacter("RSSMRA80A01H501"), 'U');
    EXPECT_EQ(demo::makeCustomer(7, 12), demo::makeCustomer(7, 12));
    EXPECT_EQ(demo::makeSlip(7, 3, 2009, 50, 36), demo::makeSlip(7, 3, 2009, 50, 36));
    const std::string code = demo::makeCustomer(7, 12)[CustomerField::CodFisc];
    ASSERT_EQ(code.size(), 16u);
    EXPECT_TRUE(fiscalCodeIsCorrect(code)) << code; // judged by the program's own check
}

TEST(DemoData, EverySlipRentsFilmsOfTheArchiveToItsCustomers) {
    std::map<std::string, std::pair<std::string, std::string>> films; // code: title, price
    for (int i = 1; i <= 36; ++i) {
        const FilmRow film = demo::makeFilm(1, i);
        films[film[FilmField::varCodice]] = {film[FilmField::varTitolo], film[FilmField::varPrezzo]};
    }
    std::set<std::string> cards;
    for (int i = 1; i <= 40; ++i)
        cards.insert(demo::makeCustomer(1, i)[CustomerField::Tessera]);
    for (int i = 1; i <= 300; ++i) {
        const RentalRecord slip = demo::makeSlip(1, i, 2009, 40, 36);
        EXPECT_TRUE(cards.contains(slip[SlipField::Tessera])) << i;
        for (int k = 1; k <= kSlipRows && !slip.at(RowField::Codice, k).empty(); ++k) {
            const auto film = films.find(slip.at(RowField::Codice, k));
            ASSERT_NE(film, films.end()) << "slip " << i << " row " << k;
            EXPECT_EQ(slip.at(RowField::Titolo, k), film->second.first);
            EXPECT_EQ(slip.at(RowField::PrezzoDie, k), film->second.second);
        }
    }
}

TEST(ArchiveCompanion, FilmsWithAndWithoutPostersAPipeAndAStoreWithoutItsTable) {
    testing::TempFolder dir;
    {
        FilmStore store(dir.folder());
        FilmRow plain;
        plain[FilmField::varTitolo] = "Senza";
        store.insert(plain);
        dir.write("p.jpg", "\xFF\xD8\xFF jpeg");
        FilmRow withPoster;
        withPoster[FilmField::varTitolo] = "Con";
        store.insert(withPoster, {dir.file("p.jpg")});
    }
    std::ostringstream out, err;
    EXPECT_EQ(exportArchive(dir.file("Film.db"), out, err), 0) << err.str();
    EXPECT_NE(out.str().find("1,Senza,,,,,,,,,,,,,,,,,0\r\n2,Con,"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find(",8\r\n"), std::string::npos) << out.str(); // the poster's 8 bytes

    dir.write("vuoto.db", "");
    std::ostringstream none;
    EXPECT_EQ(exportArchive(dir.file("vuoto.db"), none, err), 2);
    EXPECT_TRUE(none.str().empty()); // nothing printed before the error

    ASSERT_EQ(::mkfifo(dir.file("pipe.pro").c_str(), 0600), 0);
    EXPECT_EQ(checkArchive(dir.file("pipe.pro"), out, err), 2); // at once, never waiting on the pipe
    EXPECT_NE(err.str().find("non è un file regolare"), std::string::npos);
}

} // namespace
} // namespace filmeria
