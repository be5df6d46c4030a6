#pragma once
// The lines of a result list in one buffer of bytes (Windows-1252) with where each line
// starts: a million customers' lines cost their bytes and sixteen more each, not an object
// per line.
#include "core/large_buffer_allocator.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace filmeria {

class LineList {
public:
    LineList() = default;
    LineList(std::initializer_list<std::string_view> lines);

    void push_back(std::string_view line);
    // Room for `lines` lines of `bytes` bytes in all, taken at once: a list that grows line by
    // line copies itself at every doubling and ends with up to twice the room it needs.
    void reserve(std::size_t lines, std::size_t bytes);
    // The memory held, whether used or not.
    std::size_t capacityBytes() const { return bytes_.capacity() + spans_.capacity() * sizeof(Span); }

    std::size_t size() const { return spans_.size(); }
    bool empty() const { return spans_.empty(); }
    std::string_view operator[](std::size_t i) const {
        return {bytes_.data() + spans_[i].offset, spans_[i].length};
    }

    // Ascending as text, letters A-Z without case; equal lines keep their order.
    void sortAsText();

    class const_iterator {
    public:
        const_iterator(const LineList* list, std::size_t i)
            : list_(list)
            , i_(i) {}
        std::string_view operator*() const { return (*list_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        const LineList* list_;
        std::size_t i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    // How many leading bytes every line shares, letters without case.
    std::size_t commonFoldedPrefix() const;

    struct Span {
        std::uint64_t offset;
        std::uint32_t length;
    };
    std::basic_string<char, std::char_traits<char>, LargeBufferAllocator<char>> bytes_;
    std::vector<Span, LargeBufferAllocator<Span>> spans_;
};

} // namespace filmeria
