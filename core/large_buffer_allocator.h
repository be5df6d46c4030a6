#pragma once
// An allocator for buffers that can reach hundreds of megabytes (the lines of a result list):
// such a buffer is mapped on its own and asks for huge pages, so filling it costs a page fault
// per two megabytes rather than per four kilobytes, and clearing it returns the memory at once.
// Small buffers come from the heap as usual.
#include <sys/mman.h>

#include <cstddef>
#include <new>

namespace filmeria {

inline constexpr std::size_t kLargeBufferBytes = std::size_t{4} << 20;

template <typename T> struct LargeBufferAllocator {
    using value_type = T;

    LargeBufferAllocator() = default;
    template <typename U> LargeBufferAllocator(const LargeBufferAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBufferBytes)
            return static_cast<T*>(::operator new(bytes));
        void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED)
            throw std::bad_alloc();
        ::madvise(mapped, bytes, MADV_HUGEPAGE); // a hint: without huge pages it works as well
        return static_cast<T*>(mapped);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLargeBufferBytes)
            ::operator delete(p);
        else
            ::munmap(p, bytes);
    }
    template <typename U> bool operator==(const LargeBufferAllocator<U>&) const noexcept { return true; }
};

} // namespace filmeria
