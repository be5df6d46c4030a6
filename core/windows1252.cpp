#include "core/windows1252.h"

#include <algorithm>
#include <array>

namespace filmeria {
namespace {

constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence starting at i; a malformed byte yields U+FFFD and advances by one.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((c & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

} // namespace

char32_t unicodeFromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

int cp1252FromUnicode(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t k = 0; k < kHighControls.size(); ++k) {
        if (kHighControls[k] == codePoint)
            return static_cast<int>(0x80 + k);
    }
    return -1;
}

std::string utf8FromCp1252(std::string_view bytes) {
    std::string out;
    assignUtf8FromCp1252(out, bytes);
    return out;
}

void assignUtf8FromCp1252(std::string& out, std::string_view bytes) {
    out.clear();
    appendUtf8FromCp1252(out, bytes);
}

void appendUtf8FromCp1252(std::string& out, std::string_view bytes) {
    const auto notAscii = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
    for (auto at = bytes.begin(); at != bytes.end();) {
        // ASCII is itself: a run of it is taken whole.
        const auto run = std::find_if(at, bytes.end(), notAscii);
        out.append(at, run);
        if (run == bytes.end())
            break;
        appendUtf8(out, unicodeFromCp1252(static_cast<unsigned char>(*run)));
        at = run + 1;
    }
}

std::string cp1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int byte = cp1252FromUnicode(nextCodePoint(utf8, i));
        out += static_cast<char>(byte < 0 ? '?' : byte);
    }
    return out;
}

} // namespace filmeria
