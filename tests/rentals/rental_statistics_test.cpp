// The takings of a year: each month, the totals, paid and unpaid, the rankings with their ties,
// and the slips that fit no month, counted apart and named.
#include "films/film_store.h"
#include "rentals/rental_file.h"
#include "rentals/rental_statistics.h"
#include "slip_builder.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace filmeria {
namespace {

using testing::rentFilm;
using testing::slipOf;

TEST(RentalStatistics, MonthsTotalsRankingsWeekdaysAndTheSlipsApart) {
    testing::TempFolder dir;
    const RentalArchive year = yearArchive(dir.folder(), "2026");
    RentalRecord a = slipOf("1", "05/01/2026", "10,50", kPaid, "A15", "Bar Sport"); // a Monday
    rentFilm(a, 1, "F1", "Pane e tulipani (scheda)");
    rentFilm(a, 2, "F2");
    year.append(a);
    RentalRecord b = slipOf("2", "06/01/2026", "3,5", kNotPaid, "a15", "Bar Sport"); // typed, not left
    rentFilm(b, 1, "f1");
    year.append(b);
    RentalRecord c = slipOf("3", "14/03/2026", "2,00", "", "B7", "Rossi"); // a Saturday; paid unknown
    rentFilm(c, 1, "F2");
    rentFilm(c, 3, "", "Solo titolo"); // a film without a code: counted, not ranked
    year.append(c);
    RentalRecord d = slipOf("4", "31/02/2026", "4,00", kPaid, "B7", "Rossi"); // no such day
    rentFilm(d, 1, "F3");
    year.append(d);
    RentalRecord e = slipOf("5", "02/12/2025", "1,00", kPaid); // last year's date
    year.append(e);
    RentalRecord f = slipOf("6", "10/12/2026", "3,,50", kPaid, "C1", "Verdi"); // not an amount
    rentFilm(f, 1, "F3");
    year.append(f);
    {
        FilmStore store(dir.folder());
        FilmRow row;
        row[FilmField::varCodice] = "F1";
        row[FilmField::varTitolo] = "Pane e tulipani";
        store.insert(row);
    }

    const YearStatistics s = yearStatistics(dir.folder(), 2026);
    EXPECT_EQ(s.months[0].slips, 2);
    EXPECT_EQ(s.months[0].films, 3);
    EXPECT_EQ(s.months[0].takings, 1400);
    EXPECT_EQ(s.months[0].paid, 1050);
    EXPECT_EQ(s.months[0].unpaid, 350);
    EXPECT_EQ(s.months[2].takings, 200);
    EXPECT_EQ(s.months[2].paid + s.months[2].unpaid, 0);
    EXPECT_EQ(s.months[1].slips, 0);
    EXPECT_EQ(s.months[11].slips, 0); // December's slip has no amount: apart
    EXPECT_EQ(s.other.slips, 3);
    EXPECT_EQ(s.other.films, 2);
    EXPECT_EQ(s.other.takings, 500); // the valid totals of the slips apart
    EXPECT_EQ(s.total.slips, 6);
    EXPECT_EQ(s.total.takings, 2100);
    ASSERT_EQ(s.warnings.size(), 3u);
    EXPECT_EQ(s.warnings[0], "Scheda n. 4 (posizione 4): data \"31/02/2026\" non dell'anno 2026");
    EXPECT_EQ(s.warnings[2], "Scheda n. 6 (posizione 6): totale \"3,,50\" non valido");

    // F1 and F2 tie on two: the code decides; F1's title is the film archive's.
    ASSERT_EQ(s.topFilms.size(), 3u);
    EXPECT_EQ(s.topFilms[0].code, "F1");
    EXPECT_EQ(s.topFilms[0].title, "Pane e tulipani");
    EXPECT_EQ(s.topFilms[1].code, "F2");
    EXPECT_EQ(s.topFilms[1].title, "Titolo");
    EXPECT_EQ(s.topFilms[2].rentals, 2); // F3, on two slips apart

    ASSERT_EQ(s.topCustomers.size(), 3u);
    EXPECT_EQ(s.topCustomers[0].card, "A15");
    EXPECT_EQ(s.topCustomers[0].slips, 2);
    EXPECT_EQ(s.topCustomers[0].takings, 1400);
    EXPECT_EQ(s.topCustomers[1].card, "B7");
    EXPECT_EQ(s.topCustomers[1].takings, 600);

    EXPECT_EQ(s.filmsByWeekday[0], 2); // Monday 05/01
    EXPECT_EQ(s.filmsByWeekday[1], 1); // Tuesday 06/01
    EXPECT_EQ(s.filmsByWeekday[5], 2); // Saturday 14/03

    const std::string table = monthlyTable(s);
    EXPECT_EQ(table.substr(0, table.find('\n', 50) + 1),
              "Mese;Schede;Film;Incasso;Saldato;Da saldare\n01;2;3;14,00;10,50;3,50\n");
    EXPECT_NE(table.find("\n03;1;2;2,00;0,00;0,00\n"), std::string::npos);
    EXPECT_NE(table.find("\nTotale;6;7;21,00;15,50;3,50\nAltro;3;2;5,00;5,00;0,00\n"), std::string::npos);
}

// Enough slips for the file to be read in several parts side by side: the counts add up across
// the parts, and a film's or card's spelling and name are those of its first slip.
TEST(RentalStatistics, ManySlipsReadInPartsAddUpAndKeepTheFirstSlipsNames) {
    testing::TempFolder dir;
    constexpr int kSlips = 20000;
    {
        std::ofstream out(dir.folder() + "2026.nol", std::ios::binary);
        for (int i = 1; i <= kSlips; ++i) {
            const bool late = i > 17000; // the last part alone has card "z9" in capitals
            const std::string card = late ? "Z9" : "c" + std::to_string(i % 7);
            RentalRecord s = slipOf(std::to_string(i), i == 9000 ? "1/1/26" : "15/06/2026", "1,25", kPaid,
                                    card, "Cliente " + std::to_string(i));
            rentFilm(s, 1, i % 3 == 0 ? "X1" : "y" + std::to_string(i % 5), "Titolo " + std::to_string(i));
            const std::string bytes = s.encode();
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    const YearStatistics s = yearStatistics(dir.folder(), 2026);
    EXPECT_EQ(s.total.slips, kSlips);
    EXPECT_EQ(s.months[5].slips, kSlips - 1);
    EXPECT_EQ(s.total.takings, kSlips * 125);
    ASSERT_EQ(s.warnings.size(), 1u);
    EXPECT_EQ(s.warnings[0], "Scheda n. 9000 (posizione 9000): data \"1/1/26\" non dell'anno 2026");
    ASSERT_FALSE(s.topFilms.empty());
    EXPECT_EQ(s.topFilms[0].code, "X1");
    EXPECT_EQ(s.topFilms[0].rentals, kSlips / 3);
    EXPECT_EQ(s.topFilms[0].title, "Titolo 3");
    ASSERT_FALSE(s.topCustomers.empty());
    EXPECT_EQ(s.topCustomers[0].card, "Z9"); // 3,000 slips, more than any cN
    EXPECT_EQ(s.topCustomers[0].name, "Cliente 17001");
    EXPECT_EQ(s.topCustomers[0].takings, 3000 * 125);
    const auto c0 = std::find_if(s.topCustomers.begin(), s.topCustomers.end(),
                                 [](const RankedCustomer& c) { return c.card == "c0"; });
    ASSERT_NE(c0, s.topCustomers.end());
    EXPECT_EQ(c0->name, "Cliente 7");
    EXPECT_EQ(c0->slips, 17000 / 7);
}

TEST(RentalStatistics, AYearWithoutItsFileIsZeroesAndAmountsReadAsWritten) {
    testing::TempFolder dir;
    const YearStatistics s = yearStatistics(dir.folder(), 2020);
    EXPECT_EQ(s.total.slips, 0);
    const std::string table = monthlyTable(s);
    EXPECT_EQ(table.find("Altro"), std::string::npos);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 14); // heading, twelve months, Totale
    for (const auto& [cents, text] : std::initializer_list<std::pair<std::int64_t, const char*>>{
             {0, "0,00"}, {5, "0,05"}, {2349, "23,49"}, {-120, "-1,20"}})
        EXPECT_EQ(amountText(cents), text);
}

} // namespace
} // namespace filmeria
