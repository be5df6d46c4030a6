#include "core/line_list.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace filmeria {
namespace {

// Letters A-Z as a-z, every other byte as itself: the order the lists show.
constexpr std::array<unsigned char, 256> kFolded = [] {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] =
            static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return table;
}();

// Eight folded bytes from `from`, most significant first, zeros past the end: the letters
// A-Z of all eight turned to a-z at once.
std::uint64_t keyAt(std::string_view line, std::size_t from) {
    unsigned char bytes[8] = {};
    if (from < line.size())
        std::memcpy(bytes, line.data() + from, std::min<std::size_t>(8, line.size() - from));
    std::uint64_t x = 0;
    for (const unsigned char b : bytes)
        x = (x << 8) | b;
    const std::uint64_t heptets = x & 0x7F7F7F7F7F7F7F7FULL;
    const std::uint64_t aboveZ = heptets + 0x2525252525252525ULL; // high bit set past 'Z'
    const std::uint64_t fromA = heptets + 0x3F3F3F3F3F3F3F3FULL;  // high bit set from 'A'
    const std::uint64_t upper = ~x & (fromA ^ aboveZ) & 0x8080808080808080ULL;
    return x | (upper >> 2);
}

// Negative, zero or positive as `a` sorts before, with or after `b`, from byte `from` on (the
// bytes before it being equal).
int foldedCompare(std::string_view a, std::string_view b, std::size_t from) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = from; i < n; ++i) {
        const int x = kFolded[static_cast<unsigned char>(a[i])];
        const int y = kFolded[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x - y;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

LineList::LineList(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines)
        push_back(line);
}

void LineList::push_back(std::string_view line) {
    spans_.push_back({bytes_.size(), static_cast<std::uint32_t>(line.size())});
    bytes_.append(line);
}

void LineList::reserve(std::size_t lines, std::size_t bytes) {
    spans_.reserve(lines);
    bytes_.reserve(bytes);
}

std::size_t LineList::commonFoldedPrefix() const {
    if (spans_.empty())
        return 0;
    const std::string_view first = (*this)[0];
    std::size_t common = first.size();
    for (std::size_t i = 1; i < spans_.size() && common > 0; ++i) {
        const std::string_view line = (*this)[i];
        common = std::min(common, line.size());
        for (std::size_t k = 0; k < common; ++k) {
            if (kFolded[static_cast<unsigned char>(line[k])] !=
                kFolded[static_cast<unsigned char>(first[k])]) {
                common = k;
                break;
            }
        }
    }
    return common;
}

void LineList::sortAsText() {
    // First by the first 24 folded bytes, held as three numbers, without touching the lines.
    // Lines that tie there (the same name, say) are then ordered by their next bytes, read once
    // per line into keys of their own, and only lines that tie on those too are compared whole.
    // Equal lines keep their order: lines are appended in order, so offsets tell it.
    // The keys start after what every line begins with ("Scheda n. " in a list of slips), so
    // they tell the lines apart at once.
    const std::size_t from = commonFoldedPrefix();
    struct Keyed {
        std::uint64_t key[3];
        Span span;
    };
    std::vector<Keyed, LargeBufferAllocator<Keyed>> keyed;
    keyed.reserve(spans_.size());
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        const std::string_view line = (*this)[i];
        keyed.push_back({{keyAt(line, from), keyAt(line, from + 8), keyAt(line, from + 16)}, spans_[i]});
    }
    const auto sameKeys = [](const Keyed& a, const Keyed& b) {
        return a.key[0] == b.key[0] && a.key[1] == b.key[1] && a.key[2] == b.key[2];
    };
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        for (int k = 0; k < 3; ++k) {
            if (a.key[k] != b.key[k])
                return a.key[k] < b.key[k];
        }
        return a.span.offset < b.span.offset;
    });

    struct Tied {
        std::uint64_t key[3];
        Span span;
    };
    std::vector<Tied> tied;
    const auto text = [this](const Span& s) { return std::string_view(bytes_.data() + s.offset, s.length); };
    for (std::size_t first = 0; first < keyed.size();) {
        std::size_t last = first + 1;
        while (last < keyed.size() && sameKeys(keyed[first], keyed[last]))
            ++last;
        if (last - first > 1) {
            // The tied lines lie anywhere in the buffer: ask for all of them before reading any.
            for (std::size_t i = first; i < last; ++i)
                __builtin_prefetch(bytes_.data() + keyed[i].span.offset + 24);
            tied.clear();
            for (std::size_t i = first; i < last; ++i) {
                const std::string_view line = text(keyed[i].span);
                tied.push_back({{keyAt(line, from + 24), keyAt(line, from + 32), keyAt(line, from + 40)},
                                keyed[i].span});
            }
            std::sort(tied.begin(), tied.end(), [&](const Tied& a, const Tied& b) {
                for (int k = 0; k < 3; ++k) {
                    if (a.key[k] != b.key[k])
                        return a.key[k] < b.key[k];
                }
                // Zeros past a short line's end tie with zero bytes: compare such lines whole.
                const int order = foldedCompare(text(a.span), text(b.span), from);
                return order != 0 ? order < 0 : a.span.offset < b.span.offset;
            });
            for (std::size_t i = first; i < last; ++i)
                keyed[i].span = tied[i - first].span;
        }
        first = last;
    }
    for (std::size_t i = 0; i < keyed.size(); ++i)
        spans_[i] = keyed[i].span;
}

} // namespace filmeria
