#pragma once
// Windows-1252, the single-byte text of every archive, settings file and printout.
#include <string>
#include <string_view>

namespace filmeria {

// The Unicode code point a byte stands for. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value,
// so every byte survives a round trip.
char32_t unicodeFromCp1252(unsigned char byte);

// The byte for a code point, or -1 when Windows-1252 cannot hold it.
int cp1252FromUnicode(char32_t codePoint);

// UTF-8 to and from Windows-1252 byte strings. Characters Windows-1252 cannot hold
// become '?', as the operating system's own conversion does.
std::string utf8FromCp1252(std::string_view bytes);
// The same into `out`, reusing its room: for a text made again and again.
void assignUtf8FromCp1252(std::string& out, std::string_view bytes);
// The same, added at the end of `out`.
void appendUtf8FromCp1252(std::string& out, std::string_view bytes);
std::string cp1252FromUtf8(std::string_view utf8);

} // namespace filmeria
