#include "core/record_navigation.h"

#include "core/text_rules.h"

#include <algorithm>
#include <charconv>

namespace filmeria {
namespace {

// The box's number; 0 for an empty box (the card stands before record 1).
std::size_t positionIn(std::string_view box) {
    std::size_t position = 0;
    std::from_chars(box.data(), box.data() + box.size(), position);
    return position;
}

} // namespace

bool navigationNeedsCount(NavigationStep step, std::string_view box) {
    return !(step == NavigationStep::Previous && trimmedView(box) == "1");
}

NavigationTarget navigationTarget(NavigationStep step, std::string_view box, std::size_t count) {
    box = trimmedView(box);
    if (!navigationNeedsCount(step, box))
        return {NavigationTarget::Stay};
    if (count == 0)
        return {NavigationTarget::NoRecord, 0, step == NavigationStep::Next};
    const std::size_t p = positionIn(box);
    switch (step) {
    case NavigationStep::First:
        return {NavigationTarget::Show, 1};
    case NavigationStep::Last:
        return {NavigationTarget::Show, count};
    case NavigationStep::Next:
        if (p < count)
            return {NavigationTarget::Show, p + 1};
        return {NavigationTarget::Stay};
    case NavigationStep::Previous:
        return {NavigationTarget::Show, p <= 2 ? 1 : std::min(p - 1, count)};
    }
    return {NavigationTarget::Stay};
}

} // namespace filmeria
