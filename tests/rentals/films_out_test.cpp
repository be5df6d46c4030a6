// The films out of a store with more slips than one thread reads: the order over parts read
// side by side, dates that are no date, and a film found by its code.
#include "rentals/film_whereabouts.h"
#include "rentals/films_out.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <thread>
#include <tuple>

namespace filmeria {
namespace {

TEST(FilmsOut, ManySlipsComeBackInTheOrderOfDaysOutThenYearPositionAndRow) {
    testing::TempFolder dir;
    struct Expected {
        long days; // -1: no date
        std::string year;
        std::size_t position;
        int row;
    };
    std::vector<Expected> expected;
    for (const char* year : {"2025", "2026"}) {
        std::ofstream file(yearFilePath(dir.folder(), year), std::ios::binary);
        for (std::size_t position = 1; position <= 20000; ++position) {
            RentalRecord slip;
            slip[SlipField::NumScheda] = std::to_string(position);
            const int rows = 1 + static_cast<int>(position % 3);
            for (int k = 1; k <= rows; ++k) {
                slip.at(RowField::Codice, k) = "F" + std::to_string(position % 97);
                const int day = 1 + static_cast<int>((position * 7 + static_cast<std::size_t>(k)) % 28);
                const bool noDate = position % 1000 == 0;
                slip.at(RowField::Prestito, k) = noDate ? "32/01/2026" : formatDate({2026, 1, day});
                if ((position + static_cast<std::size_t>(k)) % 5 == 0) {
                    slip.at(RowField::Riconsegna, k) = "31/01/2026"; // back: not out
                    continue;
                }
                expected.push_back({noDate ? -1 : 31 - day, year, position, k});
            }
            file << slip.encode();
        }
    }
    std::stable_sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
        const long x = a.days < 0 ? -1000000 : a.days;
        const long y = b.days < 0 ? -1000000 : b.days;
        return x > y;
    });

    const FilmsOut films = filmsOut(dir.folder(), {2026, 1, 31});
    ASSERT_EQ(films.size(), expected.size());
    for (std::size_t i = 0; i < films.size(); ++i) {
        const FilmOut film = films[i];
        const Expected& e = expected[i];
        ASSERT_EQ(std::tuple(film.daysOut.value_or(-1), std::string(film.year), film.position, film.row),
                  std::tuple(e.days, e.year, e.position, e.row))
            << i;
        ASSERT_EQ(film.slip, std::to_string(e.position)) << i;
    }

    // A code is found where it has been out longest, in any letter case.
    const std::optional<FilmOut> f5 = films.findCode(" f5 ");
    ASSERT_TRUE(f5);
    const auto first = std::find_if(expected.begin(), expected.end(),
                                    [](const Expected& e) { return e.position % 97 == 5; });
    EXPECT_EQ(std::tuple(std::string(f5->year), f5->position, f5->row),
              std::tuple(first->year, first->position, first->row));
    EXPECT_FALSE(films.findCode("F500"));
    EXPECT_FALSE(films.findCode(""));
}

TEST(FilmWhereabouts, SaysWhereAFilmIsAndSeesTheSlipsChange) {
    testing::TempFolder dir;
    RentalRecord slip;
    slip[SlipField::Cliente] = "Bar Sport";
    slip[SlipField::Tessera] = "A15";
    slip.at(RowField::Codice, 4) = "F1";
    slip.at(RowField::Prestito, 4) = "12/03/2026";
    yearArchive(dir.folder(), "2026").append(slip);
    FilmWhereabouts whereabouts;
    const CivilDate today{2026, 3, 20};
    const std::optional<FilmOut> out = whereabouts.filmOut(dir.folder(), "f1", today);
    ASSERT_TRUE(out);
    EXPECT_EQ(filmOutNote(*out), "In noleggio dal 12/03/2026 \x97 Bar Sport, tessera A15");

    // Back: the same file, the same size, a new modification time (the clock of file times
    // moves in steps of a few milliseconds).
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    slip.at(RowField::Riconsegna, 4) = "20/03/2026";
    yearArchive(dir.folder(), "2026").writeAt(1, slip);
    EXPECT_FALSE(whereabouts.filmOut(dir.folder(), "F1", today));

    // A slip of a new year file, without a customer's name.
    RentalRecord next;
    next[SlipField::Tessera] = "B7";
    next.at(RowField::Titolo, 1) = "Senza codice";
    next.at(RowField::Codice, 1) = "F1";
    next.at(RowField::Prestito, 1) = "02/01/2027";
    yearArchive(dir.folder(), "2027").append(next);
    const std::optional<FilmOut> again = whereabouts.filmOut(dir.folder(), "F1", today);
    ASSERT_TRUE(again);
    EXPECT_EQ(filmOutNote(*again), "In noleggio dal 02/01/2027 \x97 tessera B7");
}

} // namespace
} // namespace filmeria
