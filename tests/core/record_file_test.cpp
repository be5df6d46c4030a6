#include "core/record_file.h"
#include "customers/customer_file.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace filmeria {
namespace {

using testing::TempFolder;

std::string slips(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        RentalRecord r;
        r[SlipField::NumScheda] = std::to_string(i);
        bytes += r.encode();
    }
    return bytes;
}

TEST(Deletion, AFailureAtAnyStepLeavesTheArchiveWholeAndReachesTheCaller) {
    for (const DeletionStep failing : {DeletionStep::Open, DeletionStep::CreateTemporary, DeletionStep::Copy,
                                       DeletionStep::Flush, DeletionStep::Rename}) {
        TempFolder dir;
        const std::string archive = slips(3);
        dir.write("2009.nol", archive);
        EXPECT_THROW(
            yearArchive(dir.folder(), "2009").deleteAt(2, [&](DeletionStep s) { return s == failing; }),
            ArchiveError)
            << static_cast<int>(failing);
        EXPECT_EQ(dir.read("2009.nol"), archive) << static_cast<int>(failing);
        EXPECT_FALSE(dir.exists("Noleggi.tmp")) << static_cast<int>(failing);
    }
}

TEST(Deletion, TemporaryFileThatCannotBeCreatedIsAnError) {
    TempFolder dir;
    dir.write("2009.nol", slips(2));
    std::filesystem::create_directory(dir.file("Noleggi.tmp"));
    EXPECT_THROW(yearArchive(dir.folder(), "2009").deleteAt(1), ArchiveError);
    EXPECT_EQ(dir.read("2009.nol"), slips(2));
}

TEST(Opening, AnExistingArchiveThatCannotBeOpenedIsReportedNotRecreated) {
    TempFolder dir;
    std::filesystem::create_directory(dir.file("2009.nol")); // exists, cannot be opened as a file
    EXPECT_THROW(yearArchive(dir.folder(), "2009").count(), ArchiveError);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("2009.nol")));
}

TEST(Opening, AnArchiveThatCannotBeOpenedForWritingIsReportedAndLeftAsItIs) {
    TempFolder dir;
    // A program folder that is a file: neither opening nor creating can succeed, whoever runs.
    dir.write("cartella", slips(1));
    EXPECT_THROW(yearArchive(dir.file("cartella") + "/", "2010").count(), ArchiveError);
    EXPECT_THROW(customerArchive(dir.file("cartella") + "/").count(), ArchiveError);
    EXPECT_EQ(dir.read("cartella"), slips(1));

    // A read-only archive binds every user but the superuser.
    dir.write("2010.nol", slips(1));
    std::filesystem::permissions(dir.file("2010.nol"), std::filesystem::perms::owner_read);
    if (::geteuid() != 0) {
        EXPECT_THROW(yearArchive(dir.folder(), "2010").count(), ArchiveError);
    }
    EXPECT_EQ(dir.read("2010.nol"), slips(1));
}

TEST(Appending, AWriteThatFailsHalfWayLeavesTheFileAsItWas) {
    TempFolder dir;
    ignoreFileSizeSignal(); // as the program does at start-up: the write fails, nothing is killed
    const RentalArchive slips = yearArchive(dir.folder(), "2009");
    RentalRecord r;
    r[SlipField::NumScheda] = "1";
    slips.append(r);
    slips.append(r);
    const std::string before = dir.read("2009.nol");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = before.size() + 700; // room for half a slip only
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(slips.append(r), ArchiveError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(dir.read("2009.nol"), before); // no fragment
    EXPECT_EQ(slips.append(r), 3u);
}

TEST(Deleting, TheArchiveKeepsItsPermissionsAndALinkStaysALink) {
    TempFolder dir;
    dir.write("2009.nol", slips(3));
    std::filesystem::permissions(dir.file("2009.nol"), std::filesystem::perms(0666));
    yearArchive(dir.folder(), "2009").deleteAt(1);
    EXPECT_EQ(std::filesystem::status(dir.file("2009.nol")).permissions(), std::filesystem::perms(0666));

    std::filesystem::create_directory(dir.file("altrove"));
    dir.write("altrove/Clienti.pro", std::string(3 * kCustomerRecordSize, '\0'));
    std::filesystem::create_symlink(dir.file("altrove/Clienti.pro"), dir.file("Clienti.pro"));
    customerArchive(dir.folder()).deleteAt(2);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("Clienti.pro")));
    EXPECT_EQ(dir.read("altrove/Clienti.pro").size(), 2 * kCustomerRecordSize); // the target was rewritten
    EXPECT_FALSE(dir.exists("altrove/Clienti.tmp"));

    dir.write("Tessera.ini", "[Dati Filmeria]\r\n"); // a settings file only its owner may read
    std::filesystem::permissions(dir.file("Tessera.ini"), std::filesystem::perms(0600));
    replaceFileAtomically(dir.file("Tessera.ini"), dir.file("Tessera.ini.new"),
                          "[Dati Filmeria]\r\nRigo 1=A\r\n");
    EXPECT_EQ(std::filesystem::status(dir.file("Tessera.ini")).permissions(), std::filesystem::perms(0600));
}

} // namespace
} // namespace filmeria
