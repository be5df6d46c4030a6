#pragma once
// The light stream cipher that keeps the access password in the password file.
#include <stdexcept>
#include <string>
#include <string_view>

namespace filmeria {

class CipherError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Enciphers Windows-1252 bytes into upper-case hexadecimal, two digits per byte.
std::string encipherPassword(std::string_view plain);

// Deciphers hexadecimal text; a trailing odd digit is ignored. Any length is accepted.
// Throws CipherError when a pair is not a hexadecimal number.
std::string decipherPassword(std::string_view hex);

} // namespace filmeria
