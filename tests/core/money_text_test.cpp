#include "core/money_text.h"
#include "rentals/amounts.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

namespace filmeria {
namespace {

TEST(MoneyText, LeavingFieldsNormalisesTheirTexts) {
    const struct {
        const char* kind;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"row", "12", "12,00"},
        {"row", "12,5", "12,50"},
        {"row", "0,5", "0,50"},
        {"row", "12,345", "12,345"},
        {"row", "2,55555", "2,5556"},
        {"row", "0,00004", "0,00"},
        {"row", "", ""},
        {"row", "   ", ""},
        {"row", "abc", "0,00"},
        {"row", ",", "0,00"},
        {"row", ",5", "0,50"},
        {"row", "7,", "7,00"},
        {"row", " 3 ", "3,00"},
        {"total", "12,345", "12,35"},
        {"total", "0,125", "0,13"},
        {"total", "1,005", "1,00"},
        {"total", "2,55555", "2,56"},
        {"total", "", "0,00"},
        {"total", "30000000", "30000000,00"},
        // From 10^15 the general format has an exponent: ",00" behind it would make a text
        // that the next reading takes for no number at all.
        {"total", "1E15", "1E15"},
        {"row", "123456789012345678", "1,23456789012346E17"},
        // A negative amount from a year file keeps its value when its field is left.
        {"total", "-3", "-3,00"},
        {"total", "-2,555", "-2,56"},
        {"days", "-2,5", "-2,5"},
        {"days", "3", "3"},
        {"days", "2,5", "2,5"},
        {"days", "2,55555", "2,5556"},
        {"days", "", ""},
        {"days", "x", "0,00"},
        {"days", "0,1", "0,1"},
    };
    for (const auto& c : cases) {
        const std::string kind = c.kind;
        const std::string shown = kind == "row"     ? NormaliseMoneyText(c.typed, 4, "")
                                  : kind == "total" ? NormaliseMoneyText(c.typed, 2, "0,00")
                                                    : NormaliseDayText(c.typed);
        EXPECT_EQ(shown, c.shown) << kind << " '" << c.typed << "'";
    }
}

TEST(MoneyText, GeneralFormatAndRounding) {
    EXPECT_EQ(generalFormat(12), "12");
    EXPECT_EQ(generalFormat(12.5), "12,5");
    EXPECT_EQ(generalFormat(0.1), "0,1");
    EXPECT_EQ(generalFormat(0.00001), "0,00001");
    EXPECT_EQ(generalFormat(0.000001), "1E-6");
    EXPECT_EQ(generalFormat(1e15), "1E15");
    EXPECT_EQ(generalFormat(123456789012345.0), "123456789012345");
    EXPECT_EQ(generalFormat(0.1 + 0.2), "0,3"); // 15 significant digits
    EXPECT_EQ(RoundAmount(1.005, 2), 1.0);      // the double nearest 1.005 lies below it
    EXPECT_EQ(RoundAmount(2.125, 2), 2.13);
    EXPECT_EQ(RoundAmount(7.5, 0), 8.0);
    EXPECT_FALSE(textToNumber(",").has_value());
    EXPECT_FALSE(textToNumber("1.5").has_value()); // the point is no separator here
    EXPECT_EQ(textToNumber(" 1,5 "), 1.5);
}

// The same texts whatever numeric locale the C library is in: an Italian desktop hands the
// program LC_NUMERIC=it_IT, whose decimal comma must not leak into the rules' own formatting.
TEST(MoneyText, TheRulesWriteTheSameBytesUnderTheItalianNumericLocale) {
    const auto texts = [] {
        std::vector<std::string> out;
        for (const char* typed :
             {"3,5", "12,345", "2,55555", "0,00004", "1E15", "123456789012345678", "-2,555"}) {
            out.push_back(NormaliseMoneyText(typed, 4, ""));
            out.push_back(NormaliseMoneyText(typed, 2, "0,00"));
            out.push_back(NormaliseDayText(typed));
        }
        out.push_back(generalFormat(0.000001));
        out.push_back(CalculateRow({"01/03/2009", "03/03/2009", "3,5", "", ""}).texts.prezzoTot);
        out.push_back(CalculateTotal({"7,00", "", "2,125"}));
        return out;
    };
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const std::vector<std::string> inC = texts();
    ASSERT_NE(std::setlocale(LC_NUMERIC, "it_IT.UTF-8"), nullptr)
        << "the it_IT.UTF-8 locale is missing: tools/install-deps.sh makes it";
    const std::vector<std::string> inItalian = texts();
    std::setlocale(LC_NUMERIC, before.c_str());
    EXPECT_EQ(inItalian, inC);
    EXPECT_EQ(inC[0], "3,50");
    EXPECT_EQ(inC[inC.size() - 2], "7,00");
}

TEST(MoneyText, KeyFilter) {
    const struct {
        const char* current;
        char32_t key;
        KeyDecision::Verdict verdict;
    } cases[] = {
        {"", U'5', KeyDecision::Accept},
        {"12", U',', KeyDecision::Accept},
        {"1,2", U',', KeyDecision::RefuseCharacter},
        {"1", U'-', KeyDecision::RefuseCharacter},
        {"1", U'.', KeyDecision::RefuseCharacter},
        {"1", U'a', KeyDecision::RefuseCharacter},
        {"1", U'\b', KeyDecision::Accept},
        {"1", U'\r', KeyDecision::Accept},
        {"30000000", U'1', KeyDecision::Accept},
        {"30000001", U'1', KeyDecision::RefuseValue},
        {"30000001", U'\b', KeyDecision::RefuseValue},
        {",", U'5', KeyDecision::Accept}, // not a number: no limit test
    };
    for (const auto& c : cases) {
        const KeyDecision d = AmountKeyFilter(c.current, c.key);
        EXPECT_EQ(d.verdict, c.verdict) << "'" << c.current << "' + " << static_cast<int>(c.key);
    }
    const KeyDecision over = AmountKeyFilter("30000001", U'1');
    EXPECT_STREQ(over.message, "Attenzione: valore non valido.");
    EXPECT_EQ(over.newText, "0,00");
    EXPECT_STREQ(AmountKeyFilter("", U'x').message, "Attenzione: carattere non valido.");
}

} // namespace
} // namespace filmeria
