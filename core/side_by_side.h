#pragma once
// Work cut into parts, read side by side: one thread per processor (no more than the parts),
// each taking the next part not yet taken.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace filmeria {

// How many threads `parts` parts are worth on this machine (at least one).
std::size_t threadsFor(std::size_t parts);

// Runs take(thread, part) for every part, the threads numbered 0 to threads - 1 (0 is the
// caller's). After a failure no part is started; the first failure is thrown again once every
// thread has stopped.
void sideBySide(std::size_t parts, std::size_t threads,
                const std::function<void(std::uint32_t thread, std::size_t part)>& take);

} // namespace filmeria
