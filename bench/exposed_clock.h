#pragma once
// Start-up probes report the moment their first window is exposed on standard output, in
// nanoseconds of the monotonic clock, so the timing script measures process start to the
// window and leaves closing the program out (it is not starting it).
#include <cstdio>
#include <ctime>

namespace filmeria::bench {

inline void reportExposed() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}

} // namespace filmeria::bench
