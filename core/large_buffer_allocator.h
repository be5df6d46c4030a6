#pragma once
// An allocator for buffers that can reach hundreds of megabytes (the lines of a result list):
// such a buffer (a megabyte or more) is mapped on its own in whole huge pages, so filling it costs
// a page fault per two megabytes rather than per four kilobytes, and clearing it returns the
// memory at once. Small buffers come from the heap as usual.
#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <new>

namespace filmeria {

inline constexpr std::size_t kLargeBufferBytes = std::size_t{1} << 20;
inline constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

template <typename T> struct LargeBufferAllocator {
    using value_type = T;

    LargeBufferAllocator() = default;
    template <typename U> LargeBufferAllocator(const LargeBufferAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBufferBytes)
            return static_cast<T*>(::operator new(bytes));
        // Whole huge pages at a huge page's boundary, or the system cannot use them.
        const std::size_t size = mappedSize(bytes);
        void* mapped = ::mmap(nullptr, size + kHugePageBytes, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        char* raw = static_cast<char*>(mapped);
        const std::size_t misalignment = reinterpret_cast<std::uintptr_t>(raw) % kHugePageBytes;
        const std::size_t head = misalignment == 0 ? 0 : kHugePageBytes - misalignment;
        char* aligned = raw + head;
        if (head > 0)
            ::munmap(raw, head);
        if (const std::size_t tail = kHugePageBytes - head; tail > 0)
            ::munmap(aligned + size, tail);
        ::madvise(aligned, size, MADV_HUGEPAGE); // a hint: it works without
        return static_cast<T*>(static_cast<void*>(aligned));
    }
    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBufferBytes)
            ::operator delete(p);
        else
            ::munmap(p, mappedSize(bytes));
    }
    template <typename U> bool operator==(const LargeBufferAllocator<U>&) const noexcept { return true; }

private:
    static std::size_t mappedSize(std::size_t bytes) {
        return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    }
};

} // namespace filmeria
