// The result lines of every list: their order, and find-in-list over them.
#include "core/line_list.h"
#include "core/list_find.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace filmeria {
namespace {

std::vector<std::string> asVector(const LineList& lines) {
    std::vector<std::string> out;
    for (const std::string_view line : lines)
        out.emplace_back(line);
    return out;
}

TEST(LineList, SortsAsTextWithoutCaseForLettersAndKeepsEqualLinesInOrder) {
    LineList lines{"rossi",      "Bianchi",
                   "ROSSI luca", "rossi",
                   "Rossi",      "\xC0ngela",
                   "",           "b",
                   "bianchi b",  std::string_view("ab\0c", 4),
                   "ab",         "abcdefghij2",
                   "ABCDEFGHIJ1"};
    lines.sortAsText();
    EXPECT_EQ(asVector(lines), (std::vector<std::string>{"", "ab", std::string("ab\0c", 4), "ABCDEFGHIJ1",
                                                         "abcdefghij2", "b", "Bianchi", "bianchi b", "rossi",
                                                         "rossi", "Rossi", "ROSSI luca", "\xC0ngela"}));
}

// Lines of random bytes, and lines that all begin alike (in either case, some no longer than
// the beginning, some tied far past the sort's keys), as a list of slips does.
TEST(LineList, SortAgreesWithAPlainFoldedStableSortOnRandomLines) {
    const std::string alphabet = std::string("aAbBzZ@[`{ \x00\xE0\xC0", 14);
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    for (const std::string prefix :
         {"", "Scheda n. ", "Scheda n. 0000000000000000000000000000000000000000"}) {
        std::mt19937 random(7);
        LineList lines;
        std::vector<std::string> expected;
        for (int i = 0; i < 2000; ++i) {
            std::string line = prefix;
            for (char& c : line)
                if (random() % 2)
                    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            for (int n = static_cast<int>(random() % 12); n > 0; --n)
                line += alphabet[random() % alphabet.size()];
            lines.push_back(line);
            expected.push_back(line);
        }
        std::stable_sort(expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
                return fold(static_cast<unsigned char>(x)) < fold(static_cast<unsigned char>(y));
            });
        });
        lines.sortAsText();
        EXPECT_EQ(asVector(lines), expected) << "lines beginning \"" << prefix << "\"";
    }
}

TEST(ListFinder, NewKeyFromTheTopSameKeyAfterTheSelectionWrappingAround) {
    const LineList lines{"Bar Sport", "Il Baretto", "Rossi", "BARBERIA"};
    ListFinder finder;
    EXPECT_EQ(finder.find(lines, 2, "bar"), 0);
    EXPECT_EQ(finder.find(lines, 0, "bar"), 1);
    EXPECT_EQ(finder.find(lines, 1, "bar"), 3);
    EXPECT_EQ(finder.find(lines, 3, "bar"), 0); // wraps
    EXPECT_EQ(finder.find(lines, 0, "verdi"), std::nullopt);
    EXPECT_EQ(finder.find(lines, 0, ""), std::nullopt);
    EXPECT_EQ(finder.find(LineList{}, -1, "bar"), std::nullopt);
}

} // namespace
} // namespace filmeria
