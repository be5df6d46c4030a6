#pragma once
// Small text rules shared by every archive and screen. All work on Windows-1252 bytes.
#include <string>
#include <string_view>

namespace filmeria {

// Removes leading and trailing characters with codes 0 to 32 (blanks and controls).
inline std::string_view trimmedView(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}
std::string trimmed(std::string_view text);
// Appends `text` cut or padded with blanks to `width` bytes: a column of a list line.
void appendPadded(std::string& line, std::string_view text, std::size_t width);

// Case folding of the letters A-Z and a-z only; accented letters stay as they are.
std::string asciiUpper(std::string_view text);
std::string asciiLower(std::string_view text);
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Hash and equality of texts with the letters A-Z in either case, for hash maps keyed by a code
// or a card number; transparent, so a view finds a stored string without a copy.
struct AsciiFoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        std::size_t hash = 1469598103934665603ULL;
        for (const char c : text)
            hash = (hash ^ static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c)) * 1099511628211ULL;
        return hash;
    }
};
struct AsciiFoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return equalsIgnoringAsciiCase(a, b); }
};

// Turns each of CR LF, LF CR, LF and CR into one LF, so that messages written with
// Windows line-break sequences (even the odd LF CR LF CR) show as clean breaks.
std::string normalisedLineBreaks(std::string_view text);

// The default error report's text: a full stop is added when the last character
// sorts after '.', so a text already ending in '.', '!' or ')' is left alone.
std::string withReportFullStop(std::string_view text);

// The folder of an executable, with its trailing separator; every archive lives there.
std::string folderOfExecutable(std::string_view executablePath);
// A folder path as the program keeps it: with its trailing separator.
std::string withTrailingSeparator(std::string folder);

} // namespace filmeria

namespace filmeria {

// Whether `needle` occurs in `haystack`, letters A-Z compared without case.
bool containsIgnoringAsciiCase(std::string_view haystack, std::string_view needle);

} // namespace filmeria
