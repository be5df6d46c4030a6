#include "core/side_by_side.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace filmeria {

std::size_t threadsFor(std::size_t parts) {
    return std::max<std::size_t>(1, std::min<std::size_t>(parts, std::thread::hardware_concurrency()));
}

void sideBySide(std::size_t parts, std::size_t threads,
                const std::function<void(std::uint32_t thread, std::size_t part)>& take) {
    std::atomic<std::size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto work = [&](std::uint32_t thread) {
        while (true) {
            const std::size_t part = next.fetch_add(1);
            if (part >= parts)
                return;
            try {
                take(thread, part);
            } catch (...) {
                const std::lock_guard<std::mutex> hold(failureLock);
                if (!failure)
                    failure = std::current_exception();
                next = parts;
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::uint32_t t = 1; t < threads; ++t)
        helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers)
        helper.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace filmeria
