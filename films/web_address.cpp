#include "films/web_address.h"

#include "core/text_rules.h"
#include "core/windows1252.h"

namespace filmeria {

std::string normalisedWebAddress(std::string_view typed) {
    const std::string_view text = trimmedView(typed);
    if (text.empty())
        return "http://";
    for (const std::string_view scheme : {"http://", "ftp://", "https://"}) {
        if (typed.substr(0, scheme.size()) == scheme)
            return std::string(typed);
    }
    return "http://" + std::string(text);
}

std::string webSearchAddress(std::string_view title) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string query;
    for (const char c : utf8FromCp1252(trimmedView(title))) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                           b == '-' || b == '.' || b == '_' || b == '~';
        if (plain) {
            query += c;
        } else {
            query += '%';
            query += kHex[b >> 4];
            query += kHex[b & 0x0F];
        }
    }
    return "http://www.google.com/search?q=" + query;
}

} // namespace filmeria
