#include "core/password_cipher.h"

#include <cstdint>

namespace filmeria {
namespace {

constexpr std::uint16_t kInitialState = 0x3B6E;
constexpr std::uint16_t kMultiplier = 0x8E4D;
constexpr std::uint16_t kAddend = 0x6C3D;

// The state always advances with the enciphered byte, in both directions, modulo 2^16.
// Unsigned 32-bit arithmetic: the product exceeds the range of int once the state plus
// the byte passes 58,949.
std::uint16_t advance(std::uint16_t state, std::uint8_t cipherByte) {
    const std::uint32_t sum = std::uint32_t{state} + cipherByte;
    return static_cast<std::uint16_t>(sum * kMultiplier + kAddend);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string encipherPassword(std::string_view plain) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(plain.size() * 2);
    std::uint16_t state = kInitialState;
    for (const char c : plain) {
        const auto cipherByte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ (state >> 8));
        hex += kDigits[cipherByte >> 4];
        hex += kDigits[cipherByte & 0x0F];
        state = advance(state, cipherByte);
    }
    return hex;
}

std::string decipherPassword(std::string_view hex) {
    std::string plain;
    plain.reserve(hex.size() / 2);
    std::uint16_t state = kInitialState;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = hexValue(hex[i]);
        const int low = hexValue(hex[i + 1]);
        if (high < 0 || low < 0)
            throw CipherError("'" + std::string(hex.substr(i, 2)) + "' is not a valid hexadecimal number");
        const auto cipherByte = static_cast<std::uint8_t>(high * 16 + low);
        plain += static_cast<char>(cipherByte ^ (state >> 8));
        state = advance(state, cipherByte);
    }
    return plain;
}

} // namespace filmeria
