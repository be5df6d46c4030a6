#include "record_bytes.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>

namespace filmeria {
namespace {

using testing::put;
using testing::TempFolder;

RentalRecord slip(const std::string& number) {
    RentalRecord r;
    r[SlipField::NumScheda] = number;
    r[SlipField::Saldato] = kNotPaid;
    return r;
}

TEST(RentalRecordBytes, LayoutOffsetsOfEveryColumn) {
    const auto& f = RentalLayout::kFields;
    ASSERT_EQ(f.size(), 76u);
    const struct {
        std::size_t index;
        const char* name;
        std::size_t offset;
        std::size_t capacity;
    } expected[] = {
        {fieldIndex(SlipField::Saldato), "Saldato", 135, 2},
        {fieldIndex(RowField::Codice, 1), "Codice01", 138, 20},
        {fieldIndex(RowField::Titolo, 2), "Titolo02", 399, 50},
        {fieldIndex(RowField::Prestito, 10), "Prestito10", 957, 10},
        {fieldIndex(RowField::Riconsegna, 1), "Riconsegna01", 968, 10},
        {fieldIndex(RowField::PrezzoDie, 1), "PrezzoDie01", 1078, 10},
        {fieldIndex(RowField::TotGiorni, 3), "TotGiorni03", 1202, 6},
        {fieldIndex(RowField::PrezzoTot, 10), "PrezzoTot10", 1357, 10},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(f[e.index].label(), e.name);
        EXPECT_EQ(f[e.index].offset, e.offset) << e.name;
        EXPECT_EQ(f[e.index].capacity, e.capacity) << e.name;
    }
}

TEST(RentalRecordBytes, StoreRuleIsExactToTheByte) {
    RentalRecord r;
    r[SlipField::NumScheda] = "  12 ";
    r[SlipField::Cliente] = std::string(60, 'C');
    r[SlipField::Data] = "28/02/2009";
    r[SlipField::Saldato] = kPaid;
    r.at(RowField::Titolo, 1) = "Citt\xE0 aperta \x80";
    r.at(RowField::TotGiorni, 10) = "3";

    std::string expected(1368, '\0');
    put(expected, 0, "12");
    put(expected, 11, std::string(50, 'C'));
    put(expected, 113, "28/02/2009");
    put(expected, 135, "si");
    put(expected, 348, "Citt\xE0 aperta \x80");
    put(expected, 1188 + 7 * 9, "3");
    const std::string bytes = r.encode();
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.substr(135, 3), "\x02si");
    EXPECT_EQ(RentalRecord::decode(bytes)[SlipField::Cliente], std::string(50, 'C'));
}

TEST(YearFile, NewYearIsCreatedEmptyAndNumbersStartAtOne) {
    TempFolder dir;
    EXPECT_EQ(NextSlipNumber(yearArchive(dir.folder(), " 2009 ")), "1");
    EXPECT_TRUE(dir.exists("2009.nol"));
    EXPECT_EQ(dir.read("2009.nol").size(), 0u);
    EXPECT_EQ(yearArchive(dir.folder(), "2009").count(), 0u);
    EXPECT_THROW(yearArchive(dir.folder(), "2009").readAt(1), ArchiveError);
}

TEST(YearFile, SavingAgainRewritesOnlyItsRecord) {
    TempFolder dir;
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(yearArchive(dir.folder(), "2009").append(slip(std::to_string(i))),
                  static_cast<std::size_t>(i));
    const std::string before = dir.read("2009.nol");
    RentalRecord changed = slip("3");
    changed[SlipField::Saldato] = kPaid;
    yearArchive(dir.folder(), "2009").writeAt(3, changed);
    const std::string after = dir.read("2009.nol");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 2 * 1368), before.substr(0, 2 * 1368));
    EXPECT_EQ(after.substr(3 * 1368), before.substr(3 * 1368));
    EXPECT_EQ(yearArchive(dir.folder(), "2009").readAt(3), changed);
    EXPECT_THROW(yearArchive(dir.folder(), "2009").writeAt(7, changed), ArchiveError);
}

TEST(YearFile, DeletionKeepsNumbersAndTheNextNumberFollowsTheCount) {
    TempFolder dir;
    for (const char* n : {"1", "2", "3"})
        yearArchive(dir.folder(), "2009").append(slip(n));
    yearArchive(dir.folder(), "2009").deleteAt(2);
    std::vector<std::string> numbers;
    yearArchive(dir.folder(), "2009").scan([&](const RentalView& v, std::size_t) {
        numbers.push_back(v.text(SlipField::NumScheda));
        return true;
    });
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "3"}));
    EXPECT_EQ(NextSlipNumber(yearArchive(dir.folder(), "2009")), "3");
    yearArchive(dir.folder(), "2009").deleteAt(1);
    yearArchive(dir.folder(), "2009").deleteAt(1);
    EXPECT_EQ(dir.read("2009.nol").size(), 0u);
}

TEST(YearFile, AProposedNumberTakenMeanwhileBecomesTheNextFreeOneATypedNumberIsKept) {
    struct Case {
        std::vector<const char*> inFile;
        const char* onSlip;
        const char* proposed;
        const char* expected;
        bool renumbered;
    };
    const Case cases[] = {
        {{"1", "2"}, "3", "3", "3", false},          // nobody came between
        {{"1", "3"}, "3", "3", "4", true},           // proposed after a deletion: 3 is still in use
        {{"1", "3", "4", "6"}, "3", "3", "5", true}, // another counter saved 3 and 4
        {{"1", "7"}, "7", "3", "7", false},          // typed by the operator over the proposal
        {{"1", "A3"}, "3", "3", "3", false},         // a number with letters is no number
    };
    for (const Case& c : cases) {
        TempFolder dir;
        for (const char* n : c.inFile)
            yearArchive(dir.folder(), "2009").append(slip(n));
        const SavedSlip saved = appendNewSlip(yearArchive(dir.folder(), "2009"), slip(c.onSlip), c.proposed);
        EXPECT_EQ(saved.number, c.expected) << c.onSlip;
        EXPECT_EQ(saved.renumbered, c.renumbered) << c.onSlip;
        EXPECT_EQ(saved.position, c.inFile.size() + 1);
        const RentalRecord stored = yearArchive(dir.folder(), "2009").readAt(saved.position);
        EXPECT_EQ(stored[SlipField::NumScheda], c.expected);
    }
}

TEST(YearFile, AWriteRemovesATemporaryCopyLeftByAKilledProgramButNotOneInUse) {
    TempFolder dir;
    yearArchive(dir.folder(), "2009").append(slip("1"));
    dir.write("Noleggi.tmp", std::string(1368, 'x'));
    yearArchive(dir.folder(), "2009").count(); // reading leaves it alone
    EXPECT_TRUE(dir.exists("Noleggi.tmp"));
    yearArchive(dir.folder(), "2009").append(slip("2"));
    EXPECT_FALSE(dir.exists("Noleggi.tmp"));

    // A copy another program is writing holds its lock and stays.
    dir.write("Noleggi.tmp", "");
    const FileDescriptor inUse(::open(dir.file("Noleggi.tmp").c_str(), O_RDWR));
    ASSERT_TRUE(lockWholeFile(inUse.get(), true, 0));
    yearArchive(dir.folder(), "2009").append(slip("3"));
    EXPECT_TRUE(dir.exists("Noleggi.tmp"));
}

TEST(YearFile, TrailingFragmentIsIgnored) {
    TempFolder dir;
    dir.write("2009.nol", slip("1").encode() + slip("2").encode() + std::string(500, '\x07'));
    EXPECT_EQ(NextSlipNumber(yearArchive(dir.folder(), "2009")), "3");
    int seen = 0;
    yearArchive(dir.folder(), "2009").scan([&](const RentalView&, std::size_t) { return ++seen, true; });
    EXPECT_EQ(seen, 2);
}

} // namespace
} // namespace filmeria
