#include "customers/customer_search.h"
#include "customers/identity_checks.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

TEST(FiscalCode, CheckCharacterDecides) {
    const struct {
        const char* code;
        bool correct;
    } cases[] = {
        {"RSSMRA80A01H501U", true},  // the textbook example
        {"RSSMRA80A01H501V", false}, // wrong check character
        {"MRTPLA05H43A944G", true},  // a woman: day + 40
        {"RSSMRA80A01H5L1F", true},  // omocodia: a digit replaced by a letter; only the check decides
        {"RSSMRA80A01H5L1U", false}, // the check of the plain digits no longer fits
        {"RSSMRA80A01H501", false},  // 15 characters
        {"RSSMRA80A01H50:U", true},  // ':' (codes 58-64) counts 0 in both tables
        {"RSSMRA80A01H5\xE0"
         "1U",
         false}, // a character outside "0"-"Z" makes the code wrong
        {"RSSMRA80A01H5a1U", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fiscalCodeIsCorrect(c.code), c.correct) << c.code;
}

TEST(VatNumber, CheckDigitAndOffice) {
    const struct {
        const char* number;
        bool correct;
        const char* office;
    } cases[] = {
        {"00000000000", true, ""},            // the sum is 0, the check digit 0; office 000 has no name
        {"01234561205", true, "Bologna 2"},   // office 120
        {"01234561213", true, "Napoli 2"},    // office 121
        {"01234560405", true, "Forlì"},       // office 040
        {"01234561106", true, ""},            // office 110: unknown
        {"01234561206", false, "Bologna 2"},  // wrong check digit
        {"0123456120", false, "Bologna 2"},   // 10 digits
        {"012345612055", false, "Bologna 2"}, // 12 digits
        {"0123456A205", false, ""},           // a letter fails the check
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vatNumberIsCorrect(c.number), c.correct) << c.number;
        EXPECT_EQ(vatOfficeName(std::string(c.number).substr(7, 3)), c.office) << c.number;
    }
    EXPECT_EQ(vatOfficeName("001"), "Torino");
    EXPECT_EQ(vatOfficeName("102"), "Napoli 2");
    EXPECT_EQ(vatOfficeName("103"), "");
}

CustomerRecord customer(const std::string& name, const std::string& prov) {
    CustomerRecord r;
    r[CustomerField::Nome] = name;
    r[CustomerField::Prov] = prov;
    r[CustomerField::Indirizzo] = "Via Roma  1";
    r[CustomerField::Tessera] = "T1";
    return r;
}

TEST(CustomerSearchRules, ScoreAgainstTheCriteriaInUse) {
    const std::string rossi = customer("Rossi Mario", "MI").encode();
    const std::string ambrosi = customer("Ambrosi Anna", "RM").encode();
    CustomerCriteria c;
    c.texts[0] = "ros";
    EXPECT_EQ(score(c, CustomerView(rossi)), 1);
    EXPECT_EQ(score(c, CustomerView(ambrosi)), 1);
    c.texts[3] = "mi";
    EXPECT_EQ(c.inUse(), 2);
    EXPECT_EQ(score(c, CustomerView(rossi)), 2);
    EXPECT_EQ(score(c, CustomerView(ambrosi)), 1); // listed only with both
    c.texts[0] = "mario ";                         // a trailing blank is searched for too
    EXPECT_EQ(score(c, CustomerView(rossi)), 1);   // so the name ending in Mario is not found
    c.texts = {};
    c.texts[1] = "  "; // blanks only: not in use, yet it scores on a field holding them
    EXPECT_EQ(c.inUse(), 0);
    EXPECT_EQ(score(c, CustomerView(rossi)), 1);
}

TEST(CustomerSearchRules, ResultLineColumns) {
    CustomerRecord r = customer("Rossi Mario", "MI");
    r[CustomerField::Citta] = "Milano";
    r[CustomerField::TelCasa] = "02 123456";
    r[CustomerField::Indirizzo] = std::string(40, 'V');
    const std::string bytes = r.encode();
    EXPECT_EQ(customerListLine(CustomerView(bytes)), "Rossi Mario                   "
                                                     "  " +
                                                         std::string(30, 'V') +
                                                         "  Milano              "
                                                         "  MI"
                                                         "  Tessera n. T1                  "
                                                         "  Tel. casa 02 123456");
}

} // namespace
} // namespace filmeria
