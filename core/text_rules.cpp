#include "core/text_rules.h"

#include <algorithm>

namespace filmeria {

std::string trimmed(std::string_view text) {
    return std::string(trimmedView(text));
}

void appendPadded(std::string& line, std::string_view text, std::size_t width) {
    const std::size_t kept = std::min(text.size(), width);
    line.append(text.substr(0, kept));
    line.append(width - kept, ' ');
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::string normalisedLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += '\n';
        const char partner = c == '\r' ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == partner)
            ++i;
    }
    return out;
}

std::string withReportFullStop(std::string_view text) {
    std::string out(text);
    if (!out.empty() && static_cast<unsigned char>(out.back()) > static_cast<unsigned char>('.'))
        out += '.';
    return out;
}

std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string folderOfExecutable(std::string_view executablePath) {
    const auto slash = executablePath.find_last_of("/\\");
    if (slash == std::string_view::npos)
        return "./";
    return std::string(executablePath.substr(0, slash + 1));
}

} // namespace filmeria

namespace filmeria {

bool containsIgnoringAsciiCase(std::string_view haystack, std::string_view needle) {
    if (needle.empty())
        return true;
    if (needle.size() > haystack.size())
        return false;
    const auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    const char first = fold(needle[0]);
    const std::size_t last = haystack.size() - needle.size();
    for (std::size_t i = 0; i <= last; ++i) {
        if (fold(haystack[i]) != first)
            continue;
        std::size_t k = 1;
        while (k < needle.size() && fold(haystack[i + k]) == fold(needle[k]))
            ++k;
        if (k == needle.size())
            return true;
    }
    return false;
}

} // namespace filmeria
