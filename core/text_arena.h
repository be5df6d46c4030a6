#pragma once
// Texts kept one after the other in one growing buffer and found again by their offset: many
// small texts at the cost of their bytes alone. The buffer comes from the large-buffer
// allocator (whole huge pages once it is a megabyte or more) and is never filled in advance.
#include "core/large_buffer_allocator.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace filmeria {

class TextArena {
public:
    TextArena() = default;
    explicit TextArena(std::size_t capacity) { grow(capacity); }
    TextArena(TextArena&& other) noexcept
        : data_(std::exchange(other.data_, nullptr))
        , size_(std::exchange(other.size_, 0))
        , capacity_(std::exchange(other.capacity_, 0)) {}
    TextArena& operator=(TextArena&& other) noexcept {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            capacity_ = std::exchange(other.capacity_, 0);
        }
        return *this;
    }
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;
    ~TextArena() { release(); }

    std::size_t size() const { return size_; }
    const char* data() const { return data_; }
    std::string_view at(std::size_t offset, std::size_t length) const { return {data_ + offset, length}; }

    // Makes room for `bytes` more, so the appends that follow never move the buffer.
    void reserveMore(std::size_t bytes) {
        if (capacity_ - size_ < bytes)
            grow(std::max(capacity_ * 2, size_ + bytes));
    }
    // Adds `text` (room already made with reserveMore).
    void appendReserved(std::string_view text) {
        if (!text.empty())
            std::memcpy(data_ + size_, text.data(), text.size());
        size_ += text.size();
    }

private:
    void grow(std::size_t capacity) {
        char* bigger = LargeBufferAllocator<char>().allocate(capacity);
        if (size_ > 0)
            std::memcpy(bigger, data_, size_);
        release();
        data_ = bigger;
        capacity_ = capacity;
    }
    void release() {
        if (data_)
            LargeBufferAllocator<char>().deallocate(data_, capacity_);
        data_ = nullptr;
    }

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

} // namespace filmeria
