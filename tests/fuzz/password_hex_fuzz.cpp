// The password file's value: hexadecimal text deciphered at login, and the cipher both ways.
#include "core/password_cipher.h"
#include "core/text_rules.h"
#include "fuzz_target.h"

namespace filmeria::fuzz {
namespace {

void run(std::string_view input) {
    // Any bytes as a password come back from their enciphered form unchanged.
    const std::string hex = encipherPassword(input);
    FUZZ_EXPECT(hex.size() == 2 * input.size(), input);
    FUZZ_EXPECT(decipherPassword(hex) == input, input);
    // Any text as a stored value either deciphers, and enciphers back to itself (upper case,
    // an odd last digit dropped), or is refused as a whole.
    try {
        const std::string plain = decipherPassword(input);
        FUZZ_EXPECT(encipherPassword(plain) == asciiUpper(input.substr(0, input.size() / 2 * 2)), input);
    } catch (const CipherError&) {
    }
}

} // namespace

Target target() {
    return {"password value",
            {"3C2F91E0A4", "3c2f91e0a", "", "00", "FFFFFFFFFFFFFFFF", "FILMERIA",
             "Una password lunga \xE8 sicura"},
            {"0", "9", "A", "F", "a", "f", "G", " ", "+", "-", "0x"},
            run};
}

} // namespace filmeria::fuzz
