#include "core/posix_file.h"
#include "core/profile_strings.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <filesystem>
#include <fstream>

namespace filmeria {
namespace {

namespace fs = std::filesystem;

class ProfileStrings : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("filmeria-ini-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Tessera.ini").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    void write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
    std::string content() const { return readWholeFile(path_).value_or("<missing>"); }

    fs::path dir_;
    std::string path_;
};

TEST_F(ProfileStrings, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "");
    write("[Altro]\r\nValore=1\r\n");
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "");
    write("[Accesso]\r\nAltro=1\r\n");
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "");
}

TEST_F(ProfileStrings, NamesIgnoreCaseAndValuesAreTrimmedAndUnquoted) {
    write("; comment\r\n[Dati Filmeria]\r\n  RIGO 1 =  Video Stella  \r\nrigo 2=\"  via Roma 1 \"\r\n"
          "[accesso]\r\nvalore=7D\r\n");
    EXPECT_EQ(readProfileString(path_, "dati filmeria", "Rigo 1"), "Video Stella");
    EXPECT_EQ(readProfileString(path_, "Dati Filmeria", "Rigo 2"), "  via Roma 1 ");
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "7D");
}

TEST_F(ProfileStrings, AStrayCarriageReturnEndingALineIsPartOfItsLineBreakBeforeAndAfterAnUpdate) {
    write("[Accesso]\nValore=3C2F\r\r"); // no line feed at the end: the last line keeps its returns
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "3C2F");
    writeProfileString(path_, "Dati Filmeria", "Rigo 1", "Video Stella");
    EXPECT_EQ(readProfileString(path_, "Accesso", "Valore"), "3C2F");
}

TEST_F(ProfileStrings, UpdateReplacesOnlyItsLineAndKeepsTheOthers) {
    write("; store data\r\n[Accesso]\r\nVALORE=00\r\nAltro=x\r\n\r\n[Dati Filmeria]\r\nRigo 1=A\r\n");
    writeProfileString(path_, "Accesso", "Valore", "7D82");
    EXPECT_EQ(content(),
              "; store data\r\n[Accesso]\r\nValore=7D82\r\nAltro=x\r\n\r\n[Dati Filmeria]\r\nRigo 1=A\r\n");
}

TEST_F(ProfileStrings, UpdateAddsMissingKeyInsideItsSectionAndMissingSectionAtTheEnd) {
    write("[Dati Filmeria]\r\nRigo 1=A\r\n\r\n[Altro]\r\nx=1\r\n");
    writeProfileString(path_, "Dati Filmeria", "Rigo 2", "B");
    writeProfileString(path_, "Accesso", "Valore", "7D");
    EXPECT_EQ(content(),
              "[Dati Filmeria]\r\nRigo 1=A\r\nRigo 2=B\r\n\r\n[Altro]\r\nx=1\r\n[Accesso]\r\nValore=7D\r\n");
    EXPECT_EQ(readProfileString(path_, "Dati Filmeria", "Rigo 2"), "B");
}

TEST_F(ProfileStrings, UpdateCreatesAMissingFileAndKeepsLineFeedFiles) {
    writeProfileString(path_, "Accesso", "Valore", "7D");
    EXPECT_EQ(content(), "[Accesso]\r\nValore=7D\r\n");
    write("[Accesso]\nValore=00\n");
    writeProfileString(path_, "Accesso", "Valore", "11");
    EXPECT_EQ(content(), "[Accesso]\nValore=11\n");
}

TEST_F(ProfileStrings, UnreadableFileIsAnErrorAndAFailedUpdateLeavesTheFileAsItWas) {
    fs::create_directory(path_); // a folder where the file should be cannot be read
    EXPECT_THROW(readProfileString(path_, "Accesso", "Valore"), ArchiveError);
    fs::remove(path_);

    write("[Accesso]\r\nValore=00\r\n");
    fs::create_directory(path_ + ".new"); // the temporary file cannot be created
    EXPECT_THROW(writeProfileString(path_, "Accesso", "Valore", "11"), ArchiveError);
    EXPECT_EQ(content(), "[Accesso]\r\nValore=00\r\n");
}

// Several programs changing one settings file at once: each change is made on the file as the
// others left it, so no change is lost.
TEST_F(ProfileStrings, ChangesFromSeveralProgramsAtOnceAreAllKept) {
    write("[Dati Filmeria]\r\nRigo 1=Videoteca\r\n");
    constexpr int kPrograms = 4;
    constexpr int kChanges = 40;
    std::vector<pid_t> programs;
    for (int p = 0; p < kPrograms; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            for (int i = 0; i < kChanges; ++i) {
                try {
                    writeProfileString(path_, "Postazione " + std::to_string(p), "Modifica",
                                       std::to_string(i));
                } catch (...) {
                    ++failures;
                }
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        programs.push_back(pid);
    }
    for (const pid_t pid : programs) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int p = 0; p < kPrograms; ++p)
        EXPECT_EQ(readProfileString(path_, "Postazione " + std::to_string(p), "Modifica"),
                  std::to_string(kChanges - 1))
            << content();
    EXPECT_EQ(readProfileString(path_, "Dati Filmeria", "Rigo 1"), "Videoteca");
    EXPECT_FALSE(fs::exists(path_ + ".new"));
}

} // namespace
} // namespace filmeria
