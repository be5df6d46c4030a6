#include "core/record_navigation.h"

#include <gtest/gtest.h>

namespace filmeria {
namespace {

TEST(RecordNavigation, EveryArrowFromEveryKindOfBox) {
    using S = NavigationStep;
    using T = NavigationTarget;
    const struct {
        S step;
        const char* box;
        std::size_t count;
        T::Kind kind;
        std::size_t position;
        bool clearBox;
    } cases[] = {
        {S::First, "", 0, T::NoRecord, 0, false},    {S::First, "3", 5, T::Show, 1, false},
        {S::Last, "", 0, T::NoRecord, 0, false},     {S::Last, "1", 5, T::Show, 5, false},
        {S::Next, "", 0, T::NoRecord, 0, true},      {S::Next, "2", 0, T::NoRecord, 0, true},
        {S::Next, "", 5, T::Show, 1, false},         {S::Next, " 2 ", 5, T::Show, 3, false},
        {S::Next, "5", 5, T::Stay, 0, false},        {S::Next, "9", 5, T::Stay, 0, false},
        {S::Previous, "1", 0, T::Stay, 0, false},    {S::Previous, " 1 ", 5, T::Stay, 0, false},
        {S::Previous, "", 0, T::NoRecord, 0, false}, {S::Previous, "", 5, T::Show, 1, false},
        {S::Previous, "2", 5, T::Show, 1, false},    {S::Previous, "4", 5, T::Show, 3, false},
        {S::Previous, "9", 5, T::Show, 5, false}, // beyond the last record: back to the last
    };
    for (const auto& c : cases) {
        const NavigationTarget t = navigationTarget(c.step, c.box, c.count);
        const std::string where = "step " + std::to_string(static_cast<int>(c.step)) + " box '" + c.box +
                                  "' count " + std::to_string(c.count);
        EXPECT_EQ(t.kind, c.kind) << where;
        EXPECT_EQ(t.clearBox, c.clearBox) << where;
        EXPECT_EQ(t.position, c.kind == T::Show ? c.position : 0u) << where;
    }
    EXPECT_FALSE(navigationNeedsCount(S::Previous, "1"));
    EXPECT_TRUE(navigationNeedsCount(S::Previous, "2"));
}

} // namespace
} // namespace filmeria
