#include "rentals/amounts.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

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
