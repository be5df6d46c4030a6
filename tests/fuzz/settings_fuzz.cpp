// The settings files through the profile-string layer: the password file (its hexadecimal
// value deciphered as at login) and Tessera.ini (the letterhead lines).
#include "core/password_cipher.h"
#include "core/profile_strings.h"
#include "fuzz_target.h"

namespace filmeria::fuzz {
namespace {

constexpr const char* kKeys[][2] = {
    {"Accesso", "Valore"}, {"Dati Filmeria", "Rigo 1"}, {"Dati Filmeria", "Rigo 3"}};

void run(std::string_view input) {
    for (const auto& [section, key] : kKeys) {
        const std::string value = profileValue(input, section, key);
        try {
            decipherPassword(value);
        } catch (const CipherError&) {
            // a damaged password file: the login refuses every password
        }
        // Setting a value and reading it back gives the value; other keys keep theirs.
        const std::string updated = withProfileValue(input, section, key, "Nuovo valore");
        FUZZ_EXPECT(profileValue(updated, section, key) == "Nuovo valore", input);
        for (const auto& [otherSection, otherKey] : kKeys) {
            if (std::string_view(otherKey) != key)
                FUZZ_EXPECT(profileValue(updated, otherSection, otherKey) ==
                                profileValue(input, otherSection, otherKey),
                            input);
        }
    }
}

} // namespace

Target target() {
    return {"settings file",
            {"[Accesso]\r\nValore=3C2F91E0A4\r\n",
             "[Dati Filmeria]\r\nRigo 1=Videoteca Aurora\r\nRigo 2=Via Roma 12 - Milano\r\nRigo 3=P. IVA "
             "01234567897\r\n",
             "; note\n[accesso]\nvalore = \"3C2F\" \n[Altro]\nValore=X\n", ""},
            {"[", "]", "=", ";", "\r\n", "\n", "\r", "\"", "'", " ", "\t", "[Accesso]", "[Dati Filmeria]",
             "Valore=", "Rigo 1=", "RIGO 3"},
            run};
}

} // namespace filmeria::fuzz
