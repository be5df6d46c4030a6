// The data folder: which one a run uses, and a new one made ready.
#include "core/data_folder.h"
#include "core/posix_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace filmeria {
namespace {

TEST(DataFolder, TheOptionThenAStoreBesideTheProgramThenTheUsersFolder) {
    struct Case {
        const char* what;
        std::optional<std::string> option;
        bool archivesBeside;
        bool writableBeside;
        std::string xdg;
        std::string expected;
        DataFolderKind kind;
    };
    const Case cases[] = {
        {"option", "/mnt/negozio", true, true, "", "/mnt/negozio/", DataFolderKind::Option},
        {"portable folder with archives", std::nullopt, true, true, "", "/opt/filmeria/",
         DataFolderKind::Portable},
        {"writable empty program folder", std::nullopt, false, true, "",
         "/home/anna/.local/share/filmeria-pro/", DataFolderKind::User},
        {"read-only program folder", std::nullopt, true, false, "", "/home/anna/.local/share/filmeria-pro/",
         DataFolderKind::User},
        {"XDG_DATA_HOME set", std::nullopt, false, false, "/dati", "/dati/filmeria-pro/",
         DataFolderKind::User},
    };
    for (const Case& c : cases) {
        DataFolderEnvironment environment{
            c.option,
            "/opt/filmeria/",
            c.xdg,
            "/home/anna",
            [&](const std::string& f) { return f == "/opt/filmeria/" && c.archivesBeside; },
            [&](const std::string& f) { return f == "/opt/filmeria/" && c.writableBeside; }};
        const DataFolderChoice choice = chooseDataFolder(environment);
        EXPECT_EQ(choice.folder, c.expected) << c.what;
        EXPECT_EQ(choice.kind, c.kind) << c.what;
    }
}

TEST(DataFolder, ArchivesOrThePasswordFileMakeAStoreFolder) {
    testing::TempFolder dir;
    EXPECT_FALSE(folderHoldsArchives(dir.folder()));
    dir.write("2009.nol", "");
    EXPECT_TRUE(folderHoldsArchives(dir.folder()));
    testing::TempFolder other;
    other.write("unins000.dll", "[Accesso]\r\n");
    EXPECT_TRUE(folderHoldsArchives(other.folder()));
}

TEST(DataFolder, ANewFolderIsMadeForItsUserOnlyWithThePasswordFileAndTheGuide) {
    testing::TempFolder home; // one folder per test: the shared data goes in a folder of its own
    std::filesystem::create_directory(home.file("share"));
    home.write("share/unins000.dll", "[Accesso]\r\nValore=00\r\n");
    home.write("share/Guida.pdf", "%PDF guida");
    const std::string shared = home.folder() + "share/";
    const std::string folder = home.folder() + ".local/share/filmeria-pro/";
    prepareDataFolder({folder, DataFolderKind::User}, shared);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(readWholeFile(folder + "unins000.dll"), "[Accesso]\r\nValore=00\r\n");
    EXPECT_EQ(readWholeFile(folder + "Guida.pdf"), "%PDF guida");

    // A password the store has changed is never put back.
    replaceFileAtomically(folder + "unins000.dll", folder + "x.tmp", "[Accesso]\r\nValore=7D\r\n");
    prepareDataFolder({folder, DataFolderKind::User}, shared);
    EXPECT_EQ(readWholeFile(folder + "unins000.dll"), "[Accesso]\r\nValore=7D\r\n");

    // A store whose password file was deleted gets none: the password is not reset that way.
    std::filesystem::remove(folder + "unins000.dll");
    home.write(".local/share/filmeria-pro/Clienti.pro", "");
    prepareDataFolder({folder, DataFolderKind::User}, shared);
    EXPECT_FALSE(std::filesystem::exists(folder + "unins000.dll"));
    // An existing folder that holds no archive yet is a new store.
    std::filesystem::create_directory(home.file("vuota"));
    prepareDataFolder({home.file("vuota") + "/", DataFolderKind::Option}, shared);
    EXPECT_EQ(readWholeFile(home.file("vuota/unins000.dll")), "[Accesso]\r\nValore=00\r\n");

    // A folder that cannot be made is reported.
    home.write("file", "");
    EXPECT_THROW(prepareDataFolder({home.file("file") + "/sotto/", DataFolderKind::Option}, shared),
                 ArchiveError);
}

TEST(DataFolder, TheCommandLineOption) {
    const char* spaced[] = {"filmeria", "--cartella", "/mnt/negozio"};
    const char* joined[] = {"filmeria", "--cartella=/srv/filmeria"};
    const char* none[] = {"filmeria", "--cartella"};
    EXPECT_EQ(folderOption(3, spaced), "/mnt/negozio");
    EXPECT_EQ(folderOption(2, joined), "/srv/filmeria");
    EXPECT_EQ(folderOption(2, none), std::nullopt);
}

} // namespace
} // namespace filmeria
