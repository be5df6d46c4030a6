#include "core/text_rules.h"
#include "core/windows1252.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

TEST(Windows1252, EveryByteSurvivesARoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(all)), all);
}

TEST(Windows1252, HighControlRangeMapsToTheWindowsLetters) {
    EXPECT_EQ(unicodeFromCp1252(0x80), U'\u20AC'); // euro sign
    EXPECT_EQ(unicodeFromCp1252(0x8A), U'\u0160');
    EXPECT_EQ(unicodeFromCp1252(0x9F), U'\u0178');
    EXPECT_EQ(unicodeFromCp1252(0x81), U'\u0081'); // undefined byte kept as its control
    EXPECT_EQ(unicodeFromCp1252(0xE0), U'\u00E0');
    EXPECT_EQ(utf8FromCp1252("\x80 12,50"), "\u20AC 12,50");
    EXPECT_EQ(cp1252FromUtf8("perch\u00E9 \u2013 \u4E2D"), "perch\xE9 \x96 ?");
    EXPECT_EQ(cp1252FromUnicode(U'\u0100'), -1);
}

TEST(TextRules, TrimRemovesCodesUpTo32OnBothEnds) {
    EXPECT_EQ(trimmed(std::string("\t \x01 Rossi Mario\r\n\x1F ")), "Rossi Mario");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(trimmed("\xA0x\xA0"), "\xA0x\xA0"); // no-break space is a letter here
}

TEST(TextRules, CaseFoldingTouchesOnlyAsciiLetters) {
    EXPECT_EQ(asciiUpper("abc\xE0z09"), "ABC\xE0Z09");
    EXPECT_EQ(asciiLower("ABC\xC0Z"), "abc\xC0z");
    EXPECT_TRUE(equalsIgnoringAsciiCase("Accesso", "ACCESSO"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xE0", "\xC0"));
}

TEST(TextRules, LineBreakSequencesBecomeSingleLineFeeds) {
    EXPECT_EQ(normalisedLineBreaks("a\n\r\n\rb"), "a\n\nb");
    EXPECT_EQ(normalisedLineBreaks("a\r\n\r\nb"), "a\n\nb");
    EXPECT_EQ(normalisedLineBreaks("a\rb\nc"), "a\nb\nc");
}

TEST(TextRules, ReportFullStopRule) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"Disk full", "Disk full."}, {"Done.", "Done."}, {"Stop!", "Stop!"}, {"(code 5)", "(code 5)"},
        {"value 5", "value 5."},     {"", ""},           {"a-", "a-"},       {"a/", "a/."},
        {"perch\xE9", "perch\xE9."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withReportFullStop(c.text), c.shown) << c.text;
}

TEST(TextRules, ProgramFolderIsTheExecutablesFolder) {
    EXPECT_EQ(folderOfExecutable("/opt/filmeria/filmeria"), "/opt/filmeria/");
    EXPECT_EQ(folderOfExecutable("C:\\Filmeria\\Filmeria.exe"), "C:\\Filmeria\\");
    EXPECT_EQ(folderOfExecutable("filmeria"), "./");
}

} // namespace
} // namespace filmeria
