#include "archive_report.h"

#include "customer_file.h"
#include "file_io.h"
#include "rental_file.h"
#include "text_rules.h"
#include "windows1252.h"

#include <optional>

namespace filmeria {
namespace {

struct ArchiveKind {
    const RecordLayout& layout;
    bool hasPaidFlag;
};

std::optional<ArchiveKind> kindOf(const std::string& path) {
    const std::string lower = asciiLower(path);
    const auto endsWith = [&](std::string_view tail) {
        return lower.size() >= tail.size() &&
               lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
    };
    if (endsWith(".pro"))
        return ArchiveKind{customerLayout(), false};
    if (endsWith(".nol"))
        return ArchiveKind{rentalLayout(), true};
    return std::nullopt;
}

std::string csvField(std::string_view utf8) {
    const bool quote = utf8.find_first_of(",\"\r\n") != std::string_view::npos;
    if (!quote)
        return std::string(utf8);
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// Reads the whole archive; nullopt (after reporting) when it cannot be read or is of
// no known kind.
std::optional<std::string> load(const std::string& path, std::ostream& err) {
    if (!kindOf(path)) {
        err << "unknown archive kind: '" << path << "' (expected .pro or .nol)\n";
        return std::nullopt;
    }
    try {
        auto bytes = readWholeFile(path);
        if (!bytes)
            err << "cannot read '" << path << "': no such file\n";
        return bytes;
    } catch (const FileError& e) {
        err << e.what() << "\n";
        return std::nullopt;
    }
}

} // namespace

int exportArchive(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto bytes = load(path, err);
    if (!bytes)
        return 2;
    const auto kind = kindOf(path);
    const RecordLayout& layout = kind->layout;
    for (std::size_t i = 0; i < layout.fields().size(); ++i)
        out << (i ? "," : "") << layout.fields()[i].name;
    out << "\r\n";
    const std::size_t count = bytes->size() / layout.recordSize();
    for (std::size_t r = 0; r < count; ++r) {
        const std::span<const char> record(bytes->data() + r * layout.recordSize(), layout.recordSize());
        for (std::size_t i = 0; i < layout.fields().size(); ++i)
            out << (i ? "," : "") << csvField(utf8FromCp1252(readText(record, layout.fields()[i])));
        out << "\r\n";
    }
    return 0;
}

int checkArchive(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto bytes = load(path, err);
    if (!bytes)
        return 2;
    const auto kind = kindOf(path);
    const RecordLayout& layout = kind->layout;
    const std::size_t count = bytes->size() / layout.recordSize();
    const std::size_t fragment = bytes->size() % layout.recordSize();
    int problems = 0;
    out << path << ": " << count << " records of " << layout.recordSize() << " bytes\n";
    if (fragment) {
        out << "trailing fragment of " << fragment
            << " bytes after the last record (ignored by the program)\n";
        ++problems;
    }
    for (std::size_t r = 0; r < count; ++r) {
        const std::span<const char> record(bytes->data() + r * layout.recordSize(), layout.recordSize());
        for (const FieldSpec& field : layout.fields()) {
            if (lengthExceedsCapacity(record, field)) {
                out << "record " << r + 1 << ": field " << field.name << " has length "
                    << static_cast<int>(static_cast<unsigned char>(record[field.offset]))
                    << " beyond its capacity " << field.capacity << "\n";
                ++problems;
            }
        }
        if (kind->hasPaidFlag) {
            const std::string paid = readText(record, layout.fields()[fieldIndex(SlipField::Saldato)]);
            if (paid != kPaid && paid != kNotPaid) {
                out << "record " << r + 1 << ": paid flag \"" << utf8FromCp1252(paid)
                    << "\" is neither si nor no\n";
                ++problems;
            }
        }
    }
    out << (problems ? std::to_string(problems) + " problems found\n" : std::string("no problems found\n"));
    return problems ? 1 : 0;
}

} // namespace filmeria
