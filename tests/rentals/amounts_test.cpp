#include "amounts.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

TEST(Amounts, LeavingFieldsNormalisesTheirTexts) {
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

TEST(Amounts, GeneralFormatAndRounding) {
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

TEST(Amounts, KeyFilter) {
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

TEST(Amounts, RowCalculation) {
    const struct {
        RowTexts in;
        RowCalculation::Problem problem;
        const char* days;
        const char* price;
        const char* amount;
    } cases[] = {
        {{"01/03/2009", "01/03/2009", "2,50", "", ""}, RowCalculation::None, "1", "2,50", "2,50"},
        {{"28/02/2009", "03/03/2009", "1,99", "9", "x"}, RowCalculation::None, "3", "1,99", "5,97"},
        {{"28/02/2008", "01/03/2008", "", "", ""}, RowCalculation::None, "2", "0,00", "0,00"}, // leap year
        {{"01/03/2009", "11/03/2009", "0,3333", "", ""}, RowCalculation::None, "10", "0,3333", "3,333"},
        {{"", "03/03/2009", "1", "7", "7,00"}, RowCalculation::MissingRentalDate, "7", "1", "7,00"},
        {{"01/03/2009", " ", "1", "7", "7,00"}, RowCalculation::MissingReturnDate, "7", "1", "7,00"},
        {{"05/03/2009", "04/03/2009", "1", "7", "7,00"},
         RowCalculation::ReturnBeforeRental,
         "7",
         "1",
         "7,00"},
        {{"31/02/2009", "04/03/2009", "1", "7", "7,00"}, RowCalculation::None, "7", "1", "0,00"},
        {{"01/03/2009", "04/03/2009", "abc", "", ""}, RowCalculation::None, "3", "abc", "0,00"},
    };
    for (const auto& c : cases) {
        const RowCalculation r = CalculateRow(c.in);
        const std::string label = c.in.prestito + " -> " + c.in.riconsegna;
        EXPECT_EQ(r.problem, c.problem) << label;
        EXPECT_EQ(r.texts.totGiorni, c.days) << label;
        EXPECT_EQ(r.texts.prezzoDie, c.price) << label;
        EXPECT_EQ(r.texts.prezzoTot, c.amount) << label;
    }
    EXPECT_STREQ(
        CalculateRow({"05/03/2009", "04/03/2009", "", "", ""}).message,
        "Attenzione: la data di riconsegna non può essere antecedente alla data di noleggio. Si prega "
        "di effettuare la correzione prima di eseguire il calcolo.");
}

TEST(Amounts, SlipTotal) {
    EXPECT_EQ(CalculateTotal({"2,50", "", "3,25", "", "", "", "", "", "", ""}), "5,75");
    EXPECT_EQ(CalculateTotal({"", "", "", "", "", "", "", "", "", ""}), "0,00");
    // The sum is written in the general format (1,305) and that text rounded: 1,305 read back
    // is the double just below 1.305, so it rounds down.
    EXPECT_EQ(CalculateTotal({"0,1", "0,2", "", "", "", "", "", "", "", "1,005"}), "1,30");
    EXPECT_EQ(CalculateTotal({"2,50", "abc", "", "", "", "", "", "", "", ""}), "0,00");
}

} // namespace
} // namespace filmeria
