#pragma once
// A start-up screen that another screen opens, reached when it is used. The owner creates
// the start-up screens in a fixed order, so a screen may open one created after it; the
// owner hands it a reference resolved at the time of use.
#include <functional>
#include <utility>

namespace filmeria {

template <typename Screen> class ScreenRef {
public:
    // A screen that exists already (tests, and screens created earlier).
    ScreenRef(Screen& screen)
        : resolve_([&screen]() -> Screen& { return screen; }) {}
    explicit ScreenRef(std::function<Screen&()> resolve)
        : resolve_(std::move(resolve)) {}

    Screen& operator*() const { return resolve_(); }
    Screen* operator->() const { return &resolve_(); }

private:
    std::function<Screen&()> resolve_;
};

} // namespace filmeria
