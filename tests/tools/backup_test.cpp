// Backup and restore of a data folder: byte-identical round trip, damaged or incomplete
// backups refused before anything is written, archives in the way kept.
#include "core/letterhead.h"
#include "core/profile_strings.h"
#include "customers/customer_file.h"
#include "rentals/rental_file.h"
#include "temp_folder.h"
#include "tools/backup.h"
#include "tools/demo_data.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace filmeria {
namespace {

class Backup : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(store());
        demo::writeCustomers(store(), 30, 2);
        demo::writeSlips(store(), 2009, 25, 30, 5, 2);
        demo::writeSlips(store(), 2010, 3, 30, 5, 2);
        demo::writeFilms(store(), 5, {2, 40, 60, 80, false}, 2);
        dir.write("negozio/unins000.dll", "[Accesso]\r\nValore=3C2F\r\n");
        dir.write("negozio/Tessera.ini", "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\n");
    }
    std::string store() const { return dir.folder() + "negozio/"; }
    std::string zip() const { return dir.file("copia.zip"); }
    int backup() {
        std::ostringstream progress, errors;
        return backupDataFolder(store(), zip(), progress, errors);
    }
    int restore(const std::string& to, bool overwrite = false) {
        std::ostringstream progress;
        errors_.str("");
        return restoreDataFolder(zip(), to, overwrite, progress, errors_);
    }
    // Changes the backup: replaces or removes one entry, as a damaged copy would.
    void tamper(const char* name, const std::optional<std::string>& bytes) {
        int error = 0;
        zip_t* archive = zip_open(zip().c_str(), 0, &error);
        ASSERT_NE(archive, nullptr);
        const zip_int64_t index = zip_name_locate(archive, name, 0);
        ASSERT_GE(index, 0);
        if (bytes) {
            replacement_ = *bytes;
            zip_source_t* source = zip_source_buffer(archive, replacement_.data(), replacement_.size(), 0);
            ASSERT_EQ(zip_file_replace(archive, static_cast<zip_uint64_t>(index), source, 0), 0);
        } else {
            ASSERT_EQ(zip_delete(archive, static_cast<zip_uint64_t>(index)), 0);
        }
        ASSERT_EQ(zip_close(archive), 0);
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    testing::TempFolder dir;
    std::ostringstream errors_;
    std::string replacement_;
};

const char* const kFiles[] = {"Film.db",  "Clienti.pro",  "2009.nol",
                              "2010.nol", "unins000.dll", "Tessera.ini"};

TEST_F(Backup, RestoredArchivesAreTheSavedBytes) {
    ASSERT_EQ(backup(), 0);
    const std::string restored = dir.folder() + "ripristino/";
    ASSERT_EQ(restore(restored), 0) << errors_.str();
    for (const char* name : kFiles)
        EXPECT_EQ(read(restored + name), read(store() + name)) << name;
    EXPECT_FALSE(std::filesystem::exists(zip() + ".parti"));
}

TEST_F(Backup, AChangedByteOrAMissingFileIsRefusedAndNothingIsWritten) {
    ASSERT_EQ(backup(), 0);
    std::string changed = read(store() + "Clienti.pro");
    changed[100] ^= 1;
    tamper("Clienti.pro", changed);
    const std::string restored = dir.folder() + "ripristino/";
    EXPECT_EQ(restore(restored), 1);
    EXPECT_NE(errors_.str().find("Clienti.pro"), std::string::npos) << errors_.str();
    EXPECT_FALSE(std::filesystem::exists(restored));

    ASSERT_EQ(backup(), 0);
    tamper("2010.nol", std::nullopt);
    EXPECT_EQ(restore(restored), 1);
    EXPECT_NE(errors_.str().find("2010.nol"), std::string::npos) << errors_.str();
    EXPECT_FALSE(std::filesystem::exists(restored));

    ASSERT_EQ(backup(), 0);
    tamper("manifest.txt", std::string("garbage"));
    EXPECT_EQ(restore(restored), 1);
    EXPECT_FALSE(std::filesystem::exists(restored));
}

TEST_F(Backup, ExistingArchivesAreReplacedOnlyWhenAskedAndThenKeptAside) {
    ASSERT_EQ(backup(), 0);
    const std::string target = dir.folder() + "altro/";
    std::filesystem::create_directories(target);
    dir.write("altro/Clienti.pro", "archivio di prima");
    EXPECT_EQ(restore(target), 1);
    EXPECT_EQ(read(target + "Clienti.pro"), "archivio di prima");
    EXPECT_FALSE(std::filesystem::exists(target + "Film.db")); // nothing written at all

    ASSERT_EQ(restore(target, true), 0) << errors_.str();
    EXPECT_EQ(read(target + "Clienti.pro"), read(store() + "Clienti.pro"));
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(target)) {
        if (entry.is_directory() && entry.path().filename().string().rfind("Sostituiti ", 0) == 0) {
            EXPECT_EQ(read(entry.path().string() + "/Clienti.pro"), "archivio di prima");
            ++kept;
        }
    }
    EXPECT_EQ(kept, 1);
}

// A link planted at a temporary name points at a file of someone else's: every operation that
// writes through a temporary copy leaves that file as it was and does its work on a fresh copy.
TEST_F(Backup, LinksPlantedAtTemporaryNamesAreNeverFollowed) {
    ASSERT_EQ(backup(), 0);
    const std::string victim = dir.file("altrui.txt");
    dir.write("altrui.txt", "dati di qualcun altro");
    const auto plant = [&](const std::string& name) {
        std::filesystem::remove(store() + name);
        std::filesystem::create_symlink(victim, store() + name);
    };
    const auto intact = [&](const std::string& what) {
        EXPECT_TRUE(read(victim) == "dati di qualcun altro") << what << ": the link's target was written";
    };
    const auto plainFile = [&](const std::string& name) {
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(store() + name)))
            << name;
    };

    const std::size_t customers = customerArchive(store()).count();
    plant("Clienti.tmp");
    customerArchive(store()).deleteAt(1);
    intact("deleting a customer");
    plainFile("Clienti.pro");
    EXPECT_EQ(customerArchive(store()).count(), customers - 1);

    plant("Noleggi.tmp");
    yearArchive(store(), "2009").deleteAt(1);
    intact("deleting a slip");
    plainFile("2009.nol");

    plant("Tessera.ini.new");
    writeLetterhead(store(), {"Videoteca Aurora", "Via Roma 1", ""});
    intact("saving the letterhead");
    plainFile("Tessera.ini");
    EXPECT_EQ(readLetterhead(store())[1], "Via Roma 1");

    plant("unins000.dll.new");
    writeProfileString(store() + "unins000.dll", "Accesso", "Valore", "7D");
    intact("changing the password");
    plainFile("unins000.dll");

    // A second name of the victim (a hard link) is not reused either.
    std::filesystem::remove(store() + "Clienti.tmp");
    std::filesystem::create_hard_link(victim, store() + "Clienti.tmp");
    customerArchive(store()).deleteAt(1);
    intact("deleting through a hard link");

    plant("Clienti.pro.ripristino");
    EXPECT_EQ(restore(store(), true), 0) << errors_.str();
    intact("restoring");
    plainFile("Clienti.pro");
    EXPECT_EQ(customerArchive(store()).count(), customers);
}

} // namespace
} // namespace filmeria
