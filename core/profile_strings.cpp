#include "core/profile_strings.h"

#include "core/posix_file.h"
#include "core/text_rules.h"

#include <optional>
#include <vector>

namespace filmeria {
namespace {

// Blanks and tabs around names and values, as the profile functions strip them.
std::string_view stripBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> splitLines(std::string_view content) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        // A carriage return at the end of a line is part of its line break, stray ones too.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// The section name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = stripBlanks(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return stripBlanks(line.substr(1, close - 1));
}

// Key and raw value of a "key=value" line; nullopt for comments and other lines.
std::optional<std::pair<std::string_view, std::string_view>> keyValue(std::string_view line) {
    const std::string_view stripped = stripBlanks(line);
    if (stripped.empty() || stripped.front() == ';')
        return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::make_pair(stripBlanks(line.substr(0, eq)), stripBlanks(line.substr(eq + 1)));
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string profileValue(std::string_view content, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const std::string_view line : splitLines(content)) {
        if (const auto name = sectionName(line)) {
            inSection = equalsIgnoringAsciiCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto kv = keyValue(line); kv && equalsIgnoringAsciiCase(kv->first, key))
            return std::string(unquoted(kv->second));
    }
    return {};
}

std::string readProfileString(const std::string& path, std::string_view section, std::string_view key) {
    const auto content = readWholeFile(path);
    return content ? profileValue(*content, section, key) : std::string();
}

std::string withProfileValue(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value) {
    const bool lfOnly = content.find('\n') != std::string::npos && content.find("\r\n") == std::string::npos;
    const std::string_view eol = lfOnly ? "\n" : "\r\n";
    const std::string newLine = std::string(key) + "=" + std::string(value);

    std::vector<std::string> lines;
    for (const std::string_view line : splitLines(content))
        lines.emplace_back(line);

    bool inSection = false;
    bool done = false;
    std::optional<std::size_t> lastLineOfSection;
    for (std::size_t i = 0; i < lines.size() && !done; ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (inSection)
                break;
            inSection = equalsIgnoringAsciiCase(*name, section);
            if (inSection)
                lastLineOfSection = i;
            continue;
        }
        if (!inSection)
            continue;
        if (!stripBlanks(lines[i]).empty())
            lastLineOfSection = i;
        if (const auto kv = keyValue(lines[i]); kv && equalsIgnoringAsciiCase(kv->first, key)) {
            lines[i] = newLine;
            done = true;
        }
    }
    if (!done) {
        if (lastLineOfSection) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*lastLineOfSection + 1), newLine);
        } else {
            lines.push_back("[" + std::string(section) + "]");
            lines.push_back(newLine);
        }
    }

    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += eol;
    }
    return out;
}

void writeProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    writeProfileStrings(path, section, {{std::string(key), std::string(value)}});
}

void writeProfileStrings(const std::string& path, std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    replaceThroughTemporary(path, path + ".new", [&](int fd) {
        // Read while the temporary file's lock is held: what another writer replaced a moment
        // ago is the content changed here.
        std::string content = readWholeFile(path).value_or(std::string());
        for (const auto& [key, value] : values)
            content = withProfileValue(content, section, key, value);
        writeExactly(fd, content.data(), content.size(), 0, path + ".new");
    });
}

} // namespace filmeria
