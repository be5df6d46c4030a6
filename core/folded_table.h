#pragma once
// Counts kept by short texts (codes, card numbers), letters A-Z in either case being the same
// text: an open-addressing table whose entries hold their text (up to 11 bytes; longer ones in
// an arena) beside their value, so a lookup reads one cache line and counting a million rows
// makes no allocation per row. A large table lies in huge pages, as the arena does.
#include "core/large_buffer_allocator.h"
#include "core/text_arena.h"
#include "core/text_rules.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

namespace filmeria {

template <typename Value> class FoldedTable {
public:
    struct Entry {
        std::uint32_t hash = 0;
        std::uint8_t length = 0; // 0: a free slot (no text is empty)
        char text[11] = {};      // the text, or the offset of a longer one in the arena
        Value value{};
    };

    // Room for `count` texts without growing (a table grows by copying every entry).
    void reserve(std::size_t count) {
        std::size_t slots = 1024;
        while (count * 4 > slots * 3)
            slots *= 2;
        if (slots > slots_.size())
            rehash(slots);
    }

    static std::uint32_t hashOf(std::string_view text) {
        return static_cast<std::uint32_t>(AsciiFoldedHash{}(text));
    }
    // Starts reading the slot where a text of `hash` is looked for, so that a find of it soon
    // after waits less on memory.
    void prefetch(std::uint32_t hash) const {
        if (!slots_.empty())
            __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
    }

    // The entry of `text` (not empty), and whether it was made now, with its value as new.
    std::pair<Entry*, bool> find(std::string_view text) { return find(text, hashOf(text)); }
    // The same, the text's hash known (hashOf).
    std::pair<Entry*, bool> find(std::string_view text, std::uint32_t hash) {
        if ((size_ + 1) * 4 > slots_.size() * 3)
            rehash(std::max<std::size_t>(1024, slots_.size() * 2));
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            Entry& entry = slots_[slot];
            if (entry.length == 0) {
                entry.hash = hash;
                entry.length = static_cast<std::uint8_t>(text.size());
                store(entry, text);
                ++size_;
                return {&entry, true};
            }
            if (entry.hash == hash && entry.length == text.size() &&
                equalsIgnoringAsciiCase(textOf(entry), text))
                return {&entry, false};
        }
    }

    // The text of `entry`, as it was first met.
    std::string_view textOf(const Entry& entry) const {
        if (entry.length <= sizeof entry.text)
            return {entry.text, entry.length};
        std::size_t offset = 0;
        std::memcpy(&offset, entry.text, sizeof offset);
        return arena_.at(offset, entry.length);
    }

    std::size_t size() const { return size_; }
    template <typename Take> void forEach(Take take) const {
        for (const Entry& entry : slots_) {
            if (entry.length != 0)
                take(entry);
        }
    }

private:
    void store(Entry& entry, std::string_view text) {
        if (text.size() <= sizeof entry.text) {
            std::memcpy(entry.text, text.data(), text.size());
            return;
        }
        const std::size_t offset = arena_.size();
        arena_.reserveMore(text.size());
        arena_.appendReserved(text);
        std::memcpy(entry.text, &offset, sizeof offset);
    }
    void rehash(std::size_t slots) {
        Slots old(slots);
        old.swap(slots_);
        for (const Entry& entry : old) {
            if (entry.length == 0)
                continue;
            std::size_t slot = entry.hash & (slots - 1);
            while (slots_[slot].length != 0)
                slot = (slot + 1) & (slots - 1);
            slots_[slot] = entry;
        }
    }

    TextArena arena_;
    using Slots = std::vector<Entry, LargeBufferAllocator<Entry>>;
    Slots slots_;
    std::size_t size_ = 0;
};

} // namespace filmeria
