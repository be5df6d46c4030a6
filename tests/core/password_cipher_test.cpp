#include "core/password_cipher.h"
#include "core/profile_strings.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

// Vectors worked out by hand from the cipher's definition: state 0x3B6E, multiplier
// 0x8E4D, addend 0x6C3D, the state advancing with the enciphered byte.
TEST(PasswordCipher, KnownVectors) {
    EXPECT_EQ(encipherPassword("FILMERIA"), "7D82A11B8F37B5C2");
    EXPECT_EQ(encipherPassword("ABC"), "7A636B");
    EXPECT_EQ(encipherPassword("\xE0"), "DB");
    EXPECT_EQ(encipherPassword(""), "");
    // At the second byte the state plus the enciphered byte is past 58,949: the product no
    // longer fits an int, and only modular arithmetic gives these bytes.
    EXPECT_EQ(encipherPassword("DA"), "7FA9");
    EXPECT_EQ(decipherPassword("7FA9"), "DA");
}

TEST(PasswordCipher, RoundTripOfEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string hex = encipherPassword(all);
    EXPECT_EQ(hex.size(), 512u);
    EXPECT_EQ(decipherPassword(hex), all);
}

TEST(PasswordCipher, DecipherAcceptsLowerCaseAndIgnoresAnOddTrailingDigit) {
    EXPECT_EQ(decipherPassword("7d82a11b8f37b5c2"), "FILMERIA");
    EXPECT_EQ(decipherPassword("7D82A11B8F37B5C2F"), "FILMERIA");
    EXPECT_EQ(decipherPassword("7"), "");
}

TEST(PasswordCipher, NonHexadecimalPairFails) {
    EXPECT_THROW(decipherPassword("7D8G"), CipherError);
    EXPECT_THROW(decipherPassword("zz"), CipherError);
}

TEST(PasswordCipher, ValuesLongerThan255BytesDecipherLikeAnyOther) {
    const std::string longPassword(400, 'Q');
    EXPECT_EQ(decipherPassword(encipherPassword(longPassword)), longPassword);
}

TEST(PasswordCipher, InstalledPasswordFileHoldsTheDocumentedInitialPassword) {
    const std::string path = std::string(FILMERIA_SOURCE_DIR) + "/resources/unins000.dll";
    EXPECT_EQ(decipherPassword(readProfileString(path, "Accesso", "Valore")), "FILMERIA");
}

} // namespace
} // namespace filmeria
