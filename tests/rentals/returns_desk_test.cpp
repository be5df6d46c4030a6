// The returns desk: films out with their customers' telephones, late past the store's days,
// the clerk's filter, and the setting kept beside the archives.
#include "core/letterhead.h"
#include "customers/customer_file.h"
#include "rentals/rental_file.h"
#include "rentals/returns_desk.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace filmeria {
namespace {

void row(RentalRecord& slip, int k, const std::string& code, const std::string& title,
         const std::string& rented, const std::string& returned = "") {
    slip.at(RowField::Codice, k) = code;
    slip.at(RowField::Titolo, k) = title;
    slip.at(RowField::Prestito, k) = rented;
    slip.at(RowField::Riconsegna, k) = returned;
}

RentalRecord slip(const std::string& number, const std::string& customer, const std::string& card) {
    RentalRecord s;
    s[SlipField::NumScheda] = number;
    s[SlipField::Cliente] = customer;
    s[SlipField::Tessera] = card;
    return s;
}

class ReturnsDeskTest : public ::testing::Test {
protected:
    void SetUp() override {
        CustomerRecord bar;
        bar[CustomerField::Nome] = "Bar Sport";
        bar[CustomerField::Tessera] = "A15";
        bar[CustomerField::TelCasa] = "02 123456";
        bar[CustomerField::TelCel] = "333 1234567";
        customerArchive(dir.folder()).append(bar);
        CustomerRecord rossi;
        rossi[CustomerField::Nome] = "Rossi Mario";
        rossi[CustomerField::Tessera] = "b7";
        rossi[CustomerField::TelUff] = "06 555";
        customerArchive(dir.folder()).append(rossi);

        RentalRecord december = slip("40", "Bar Sport", "A15");
        row(december, 1, "F1", "Pane e tulipani", "28/12/2025");
        row(december, 2, "", "Solo il titolo", "30/12/2025"); // a title without a code is a film
        row(december, 3, "F9", "Riconsegnato", "28/12/2025", "29/12/2025");
        yearArchive(dir.folder(), "2025").append(december);
        RentalRecord january = slip("3", "Rossi Mario", "B7");
        row(january, 1, "F1", "Pane e tulipani", "09/01/2026"); // a second copy of F1, on another slip
        row(january, 2, "F2", "Il postino", "12/01/2026");
        yearArchive(dir.folder(), "2026").append(january);
    }
    testing::TempFolder dir;
};

TEST_F(ReturnsDeskTest, FilmsOutWithTelephonesLateAfterTheStoresDays) {
    const ReturnsDesk desk = returnsDesk(dir.folder(), {2026, 1, 12}, 3);
    ASSERT_EQ(desk.size(), 4u);
    struct Expected {
        const char* code;
        const char* title;
        long days;
        const char* phones;
        bool late;
    };
    // clang-format off
    const Expected expected[] = {
        {"F1", "Pane e tulipani", 15, "02 123456 - 333 1234567", true},
        {"",   "Solo il titolo",  13, "02 123456 - 333 1234567", true},
        {"F1", "Pane e tulipani",  3, "06 555",                  false}, // three days is not late
        {"F2", "Il postino",       0, "06 555",                  false}, // card B7 is customer b7
    };
    // clang-format on
    for (std::size_t i = 0; i < 4; ++i) {
        const FilmOutLine line = desk.line(i);
        EXPECT_EQ(line.film.code, expected[i].code) << i;
        EXPECT_EQ(line.film.title, expected[i].title) << i;
        EXPECT_EQ(line.film.daysOut, expected[i].days) << i;
        EXPECT_EQ(line.phones, expected[i].phones) << i;
        EXPECT_EQ(line.late, expected[i].late) << i;
    }
    EXPECT_EQ(desk.late, 2u);
    EXPECT_EQ(returnsDesk(dir.folder(), {2026, 1, 12}, 0).late, 3u);
    EXPECT_EQ(desk.line(2).film.year, "2026");
    EXPECT_EQ(desk.line(2).film.position, 1u);

    // The list's line: how long out and whether late first.
    EXPECT_EQ(returnsDeskLine(desk.line(0)),
              "  15 gg  RITARDO  dal 28/12/2025  F1          Pane e tulipani             "
              "  Bar Sport               Tessera A15         Tel. 02 123456 - 333 1234567");
    EXPECT_EQ(returnsDeskLine(desk.line(3)).substr(0, 36), "   0 gg           dal 12/01/2026  F2");
}

TEST_F(ReturnsDeskTest, ALargeCustomerArchiveGivesTheFirstCustomerWithEachCard) {
    // Read in two halves side by side: the first customer with a card is still the one taken.
    {
        std::ofstream more(customerFilePath(dir.folder()), std::ios::binary | std::ios::app);
        for (int i = 0; i < 3000; ++i) {
            CustomerRecord filler;
            filler[CustomerField::Tessera] = "Z" + std::to_string(i);
            filler[CustomerField::TelCasa] = "0";
            more << filler.encode();
        }
        CustomerRecord again; // A15 once more, far down the archive
        again[CustomerField::Tessera] = "a15";
        again[CustomerField::TelCasa] = "999";
        more << again.encode();
        CustomerRecord late; // a card only the second half has
        late[CustomerField::Tessera] = "C9";
        late[CustomerField::TelCel] = "347 000";
        more << late.encode();
    }
    RentalRecord third = slip("4", "Verdi", "c9");
    row(third, 1, "F7", "Amarcord", "11/01/2026");
    yearArchive(dir.folder(), "2026").append(third);
    const ReturnsDesk desk = returnsDesk(dir.folder(), {2026, 1, 12}, 3);
    ASSERT_EQ(desk.size(), 5u);
    EXPECT_EQ(desk.line(0).phones, "02 123456 - 333 1234567");
    EXPECT_EQ(desk.line(3).film.card, "c9");
    EXPECT_EQ(desk.line(3).phones, "347 000");
}

TEST_F(ReturnsDeskTest, TheFilterLooksAtCodeTitleCustomerAndCard) {
    const ReturnsDesk desk = returnsDesk(dir.folder(), {2026, 1, 12}, 3);
    // clang-format off
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 4}, {"  ", 4}, {"f1", 2}, {"POSTINO", 1}, {"rossi", 2}, {"a15", 2}, {" b7 ", 2}, {"nessuno", 0},
    };
    // clang-format on
    for (const auto& [text, count] : cases) {
        std::size_t matched = 0;
        for (std::size_t i = 0; i < desk.size(); ++i)
            matched += matchesReturnsFilter(desk.line(i), text);
        EXPECT_EQ(matched, count) << '"' << text << '"';
    }
}

TEST_F(ReturnsDeskTest, TheLateDaysAreKeptBesideTheArchivesAndABadValueIsTheDefault) {
    EXPECT_EQ(lateDaysSetting(dir.folder()), kDefaultLateDays);
    writeLetterhead(dir.folder(), {"Videoteca Aurora", "Via Roma 1", "Milano"});
    setLateDaysSetting(dir.folder(), 7);
    EXPECT_EQ(lateDaysSetting(dir.folder()), 7);
    EXPECT_EQ(readLetterhead(dir.folder())[0], "Videoteca Aurora"); // the letterhead is left alone
    for (const char* bad : {"", "tre", "-1", "1000", "4 giorni"}) {
        dir.write("Tessera.ini", std::string("[Rientri]\r\nGiorni di ritardo=") + bad + "\r\n");
        EXPECT_EQ(lateDaysSetting(dir.folder()), kDefaultLateDays) << bad;
    }
}

} // namespace
} // namespace filmeria
