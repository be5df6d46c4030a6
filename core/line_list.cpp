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

// The first eight folded bytes, most significant first: most comparisons end here.
std::uint64_t prefixKey(std::string_view line) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = (key << 8) | (i < line.size() ? kFolded[static_cast<unsigned char>(line[i])] : 0u);
    return key;
}

bool foldedLess(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = kFolded[static_cast<unsigned char>(a[i])];
        const unsigned char y = kFolded[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
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

void LineList::clear() {
    spans_.clear();
    bytes_.clear();
}

void LineList::sortAsText() {
    struct Keyed {
        std::uint64_t prefix;
        Span span;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(spans_.size());
    for (std::size_t i = 0; i < spans_.size(); ++i)
        keyed.push_back({prefixKey((*this)[i]), spans_[i]});
    const auto text = [this](const Span& s) { return std::string_view(bytes_.data() + s.offset, s.length); };
    // A zero byte inside the first eight would make two prefixes equal that the text orders,
    // so equal prefixes always go on to the whole text.
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        return foldedLess(text(a.span), text(b.span));
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        spans_[i] = keyed[i].span;
}

bool LineList::operator==(const LineList& other) const {
    if (size() != other.size())
        return false;
    for (std::size_t i = 0; i < size(); ++i) {
        if ((*this)[i] != other[i])
            return false;
    }
    return true;
}

} // namespace filmeria
