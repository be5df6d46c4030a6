// Backup and restore of a data folder: byte-identical round trip, damaged or incomplete
// backups refused before anything is written, archives in the way kept.
#include "core/data_folder.h"
#include "core/letterhead.h"
#include "core/profile_strings.h"
#include "core/store_swap.h"
#include "customers/customer_file.h"
#include "rentals/rental_file.h"

#include "small_disk.h"
#include "temp_folder.h"
#include "tools/backup.h"
#include "tools/demo_data.h"
#include "tools/sha256.h"
#include <fcntl.h>

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <zip.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

TEST(Sha256, KnownDigestsWholeOrInPieces) {
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}};
    for (const auto& [text, digest] : cases) {
        Sha256 whole;
        whole.add(text.data(), text.size());
        EXPECT_EQ(whole.hex(), digest);
        Sha256 pieces; // as a file's blocks come
        for (std::size_t at = 0; at < text.size(); at += 4093)
            pieces.add(text.data() + at, std::min<std::size_t>(4093, text.size() - at));
        EXPECT_EQ(pieces.hex(), digest);
    }
}

TEST(BackupManifest, OnlyAStoresOwnFilesEachOnce) {
    const std::string hash(64, 'a');
    const auto manifest = [&](std::initializer_list<std::string> lines) {
        std::string text = "Filmeria Pro backup\nversion 1.0\n";
        for (const std::string& line : lines)
            text += line + "\n";
        return parseManifest(text);
    };
    const auto file = [&](const std::string& name, const std::string& size = "10") {
        return "file\t" + name + "\t" + size + "\t" + hash + "\t-";
    };
    EXPECT_EQ(manifest({file("Clienti.pro"), file("2009.nol"), file("Film.db"), file("Tessera.ini"),
                        file("unins000.dll")})
                  ->size(),
              5u);
    const struct {
        const char* why;
        std::string line;
    } refused[] = {
        {"a path", file("../Clienti.pro")},
        {"a file of no store", file("altro.txt")},
        {"a year file misnamed", file("09.nol")},
        {"a negative size", file("Clienti.pro", "-1")},
        {"a size not a number", file("Clienti.pro", "10x")},
        {"a hash not hexadecimal", "file\tClienti.pro\t10\t" + std::string(64, 'z') + "\t-"},
    };
    for (const auto& c : refused)
        EXPECT_FALSE(manifest({c.line}).has_value()) << c.why;
    EXPECT_FALSE(manifest({file("Clienti.pro"), file("Clienti.pro")}).has_value()) << "a name twice";
    EXPECT_FALSE(parseManifest("garbage").has_value());
}

// A backup whose manifest says Clienti.pro is small while its entry inflates far beyond: the
// restore stops at the declared size and writes nothing.
TEST_F(Backup, AnEntryLargerThanItsManifestSaysIsRefusedAtTheDeclaredSize) {
    ASSERT_EQ(backup(), 0);
    tamper("Clienti.pro", std::string(256u << 20, '\0')); // 256 MiB of zeros, a small entry
    const std::string restored = dir.folder() + "ripristino/";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(restore(restored), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_NE(errors_.str().find("Clienti.pro"), std::string::npos) << errors_.str();
    EXPECT_FALSE(std::filesystem::exists(restored));
}

// Restoring over a store on a disk too small for the new copy beside the old one.
TEST_F(Backup, ARestoreThatDoesNotFitTheDiskLeavesTheStoreAsItWas) {
    ASSERT_EQ(backup(), 0);
    testing::SmallDisk disk(dir.file("disco"), 1);
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    for (const char* name : kFiles)
        std::filesystem::copy_file(store() + name, disk.folder() + name);
    // Now almost full: the old store and a filler leave less than the new store needs.
    std::ofstream(disk.folder() + "riempimento", std::ios::binary)
        << std::string(static_cast<std::size_t>(std::filesystem::space(disk.folder()).available) - 4096, 'x');
    EXPECT_EQ(restore(disk.folder(), true), 2);
    EXPECT_NE(errors_.str().find("spazio insufficiente"), std::string::npos) << errors_.str();
    for (const char* name : kFiles)
        EXPECT_TRUE(read(disk.folder() + name) == read(store() + name)) << name << " changed";
    for (const auto& entry : std::filesystem::directory_iterator(disk.folder()))
        EXPECT_EQ(entry.path().string().find(".ripristino"), std::string::npos) << entry.path();
}

// The store's files and their bytes.
std::map<std::string, std::string> storeIn(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file() && isStoreFileName(entry.path().filename().string()))
            files[entry.path().filename().string()] = testing::TempFolder::readFile(entry.path().string());
    }
    return files;
}

// Killed at random moments, then the folder used again (the program's start finishes what the
// journal says): the folder holds the old store or the new one, whole.
TEST_F(Backup, ARestoreKilledAtAnyMomentLeavesTheOldStoreOrTheNewWhole) {
    demo::writeSlips(store(), 2011, 2000, 30, 5, 3); // a store that takes a while to restore
    ASSERT_EQ(backup(), 0);
    const std::map<std::string, std::string> fresh = storeIn(store());
    const std::string target = dir.folder() + "negozio2/";
    std::filesystem::create_directories(target);
    demo::writeCustomers(target, 20, 7);
    demo::writeSlips(target, 2009, 10, 20, 5, 7);
    dir.write("negozio2/unins000.dll", "[Accesso]\r\nValore=00\r\n");
    const std::map<std::string, std::string> old = storeIn(target);
    ASSERT_NE(old, fresh);

    // How long a whole restore takes in a process of its own, from fork to exit.
    const auto runRestore = [&] {
        const pid_t child = ::fork();
        if (child == 0) {
            std::ostringstream progress, errors;
            ::_exit(restoreDataFolder(zip(), target, true, progress, errors));
        }
        return child;
    };
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    ::waitpid(runRestore(), &status, 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_EQ(storeIn(target), fresh);
    std::mt19937 random(5);
    int oldStores = 0, newStores = 0;
    for (int run = 0; run < 40; ++run) {
        // Back to the old store, then a restore killed somewhere between its start and its end.
        for (const auto& entry : std::filesystem::directory_iterator(target))
            std::filesystem::remove_all(entry.path());
        for (const auto& [name, bytes] : old)
            dir.write("negozio2/" + name, bytes);
        const auto delay = std::chrono::microseconds(
            random() % static_cast<unsigned>(
                           std::chrono::duration_cast<std::chrono::microseconds>(whole).count() * 3 / 2 + 1));
        const pid_t child = runRestore();
        ASSERT_GE(child, 0);
        std::this_thread::sleep_for(delay);
        ::kill(child, SIGKILL);
        if (run == 0)
            std::cout << "a whole restore takes "
                      << std::chrono::duration_cast<std::chrono::milliseconds>(whole).count() << " ms\n";
        ::waitpid(child, nullptr, 0);
        finishInterruptedSwap(target);
        const std::map<std::string, std::string> now = storeIn(target);
        if (now == old)
            ++oldStores;
        else if (now == fresh)
            ++newStores;
        else
            ADD_FAILURE() << "run " << run << ": neither the old store nor the new one";
    }
    std::cout << "40 restores killed: " << oldStores << " left the old store, " << newStores
              << " the new one\n";
    EXPECT_EQ(oldStores + newStores, 40);
}

// A counter saving customers while the store is restored under it: every save reported done is
// in the restored archive or in the replaced one kept aside, never in a file that vanished.
TEST_F(Backup, SavesMadeDuringARestoreAreNeverLost) {
    ASSERT_EQ(backup(), 0);
    const std::string target = dir.folder() + "negozio3/";
    std::filesystem::create_directories(target);
    demo::writeCustomers(target, 10, 3);
    const pid_t counter = ::fork();
    ASSERT_GE(counter, 0);
    if (counter == 0) {
        std::ofstream log(dir.file("salvati"), std::ios::app);
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
        for (int i = 0; std::chrono::steady_clock::now() < until; ++i) {
            CustomerRecord r;
            r[CustomerField::Nome] = "salvato " + std::to_string(i);
            try {
                customerArchive(target).append(r);
                log << r[CustomerField::Nome] << std::endl;
            } catch (...) {
            }
        }
        ::_exit(0);
    }
    for (int i = 0; i < 5; ++i) {
        std::ostringstream progress, errors;
        EXPECT_EQ(restoreDataFolder(zip(), target, true, progress, errors), 0) << errors.str();
    }
    ::waitpid(counter, nullptr, 0);
    std::set<std::string> kept;
    std::vector<std::string> archives{target + "Clienti.pro"};
    for (const auto& entry : std::filesystem::directory_iterator(target)) {
        if (entry.is_directory())
            archives.push_back(entry.path().string() + "/Clienti.pro");
    }
    for (const std::string& path : archives) {
        if (!std::filesystem::exists(path))
            continue;
        const std::string bytes = read(path);
        for (std::size_t at = 0; at + kCustomerRecordSize <= bytes.size(); at += kCustomerRecordSize)
            kept.insert(CustomerRecord::decode(
                std::string_view(bytes).substr(at, kCustomerRecordSize))[CustomerField::Nome]);
    }
    std::istringstream log(read(dir.file("salvati")));
    int saved = 0;
    for (std::string name; std::getline(log, name); ++saved)
        EXPECT_TRUE(kept.contains(name)) << name << " was saved and is nowhere";
    EXPECT_GT(saved, 0);
}

TEST_F(Backup, TheBackupIsPrivateALeftoverOfAKilledOneIsRemovedAndARestoredFolderIsPrivate) {
    std::filesystem::create_directories(zip() + ".parti");
    dir.write("copia.zip.parti/Clienti.pro", "copia di un backup interrotto");
    dir.write("copia.zip.tmp.aB3dE9", "resto della libreria ZIP");
    dir.write("altrui.txt", "dati di qualcun altro");
    std::filesystem::create_symlink(dir.file("altrui.txt"), dir.file("copia.zip.tmp.link"));
    ASSERT_EQ(backup(), 0);
    EXPECT_FALSE(std::filesystem::exists(zip() + ".parti"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("copia.zip.tmp.aB3dE9")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("copia.zip.tmp.link"))); // not ours: kept
    struct stat st {};
    ASSERT_EQ(::stat(zip().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const std::string restored = dir.folder() + "nuovo/";
    ASSERT_EQ(restore(restored), 0) << errors_.str();
    ASSERT_EQ(::stat(restored.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat((restored + "Clienti.pro").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(Backup, ADamagedFilmArchiveIsLeftOutAndNamedAndTheRestIsSaved) {
    std::string films = read(store() + "Film.db");
    films.replace(0, 16, "non un database!");
    dir.write("negozio/Film.db", films);
    std::ostringstream progress, errors;
    EXPECT_EQ(backupDataFolder(store(), zip(), progress, errors), 1);
    EXPECT_NE(errors.str().find("Film.db"), std::string::npos) << errors.str();
    const std::string restored = dir.folder() + "ripristino/";
    ASSERT_EQ(restore(restored), 0) << errors_.str();
    EXPECT_FALSE(std::filesystem::exists(restored + "Film.db"));
    EXPECT_TRUE(read(restored + "Clienti.pro") == read(store() + "Clienti.pro"));
    EXPECT_TRUE(read(restored + "2009.nol") == read(store() + "2009.nol"));
}

TEST_F(Backup, AStoreOnAReadOnlyDiskIsBackedUp) {
    testing::SmallDisk disk(dir.file("disco"), 8);
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    for (const char* name : kFiles)
        std::filesystem::copy_file(store() + name, disk.folder() + name);
    ASSERT_EQ(::mount(nullptr, dir.file("disco").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    std::ostringstream progress, errors;
    EXPECT_EQ(backupDataFolder(disk.folder(), zip(), progress, errors), 0) << errors.str();
    const std::string restored = dir.folder() + "ripristino/";
    ASSERT_EQ(restore(restored), 0) << errors_.str();
    for (const char* name : kFiles)
        EXPECT_TRUE(read(restored + name) == read(store() + name)) << name;
}

// The ZIP is written straight from the archives: a disk with room for it alone takes the
// backup, a fuller one refuses it with the reason and keeps nothing.
TEST_F(Backup, TheBackupNeedsRoomForTheZipAloneAndAFullDiskSaysSo) {
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((store() + "Film.db").c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(
                      db, "CREATE TABLE riempimento(b); INSERT INTO riempimento VALUES (randomblob(3000000))",
                      nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    for (const auto& [megabytes, expected] : {std::pair{5, 0}, std::pair{2, 2}}) {
        testing::SmallDisk disk(dir.file("disco"), megabytes);
        if (!disk.mounted())
            GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
        std::ostringstream progress, errors;
        const std::string target = disk.folder() + "copia.zip";
        EXPECT_EQ(backupDataFolder(store(), target, progress, errors), expected) << megabytes << errors.str();
        if (expected == 0) {
            const std::string restored = dir.folder() + "ripristino/";
            ASSERT_EQ(restoreDataFolder(target, restored, false, progress, errors_), 0) << errors_.str();
            for (const char* name : kFiles)
                EXPECT_TRUE(read(restored + name) == read(store() + name)) << name;
        } else {
            EXPECT_NE(errors.str().find("spazio esaurito sul disco"), std::string::npos) << errors.str();
            EXPECT_TRUE(std::filesystem::is_empty(disk.folder()));
        }
    }
}

// A film archive in write-ahead-log mode has committed films in its log, not in its file: the
// backup saves the archive as a reader sees it.
TEST_F(Backup, AFilmArchiveKeptInWriteAheadLogModeIsSavedWithWhatItsLogHolds) {
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open((store() + "Film.db").c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
                           "DELETE FROM film WHERE rowid = (SELECT min(rowid) FROM film)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto films = [](const std::string& path) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* count = nullptr;
        sqlite3_prepare_v2(db, "SELECT count(*) FROM film", -1, &count, nullptr);
        const int n = sqlite3_step(count) == SQLITE_ROW ? sqlite3_column_int(count, 0) : -1;
        sqlite3_finalize(count);
        sqlite3_close(db);
        return n;
    };
    const int kept = films(store() + "Film.db");
    ASSERT_EQ(backup(), 0);
    sqlite3_close(writer);
    const std::string restored = dir.folder() + "ripristino/";
    ASSERT_EQ(restore(restored), 0) << errors_.str();
    EXPECT_EQ(films(restored + "Film.db"), kept);
    EXPECT_FALSE(std::filesystem::exists(zip() + ".parti"));
}

// A first save into a new year's file that fails (a full disk) leaves no empty year file.
TEST_F(Backup, AFailedFirstSaveOfAYearLeavesNoYearFile) {
    testing::SmallDisk disk(dir.file("disco"), 1);
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here (not root)";
    std::ofstream(disk.folder() + "riempimento", std::ios::binary)
        << std::string(static_cast<std::size_t>(std::filesystem::space(disk.folder()).available), 'x');
    RentalRecord slip;
    slip[SlipField::NumScheda] = "1";
    EXPECT_THROW(appendNewSlip(yearArchive(disk.folder(), "2030"), slip, "1"), ArchiveError);
    EXPECT_FALSE(std::filesystem::exists(disk.folder() + "2030.nol"));
}

// The companion under a file-size limit: the write fails with a message, no signal ends it, and
// nothing is left behind.
TEST_F(Backup, TheCompanionUnderAFileSizeLimitFailsWithAMessageAndLeavesNothing) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const int err = ::open(dir.file("errori").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(err, 2);
        ::execl(FILMERIA_COMPANION, "filmeria-archivi", "backup", store().c_str(), zip().c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_NE(read(dir.file("errori")).find("troppo grande"), std::string::npos) << read(dir.file("errori"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.folder()))
        EXPECT_EQ(entry.path().filename().string().rfind("copia.zip", 0), std::string::npos) << entry.path();
}

} // namespace
} // namespace filmeria
