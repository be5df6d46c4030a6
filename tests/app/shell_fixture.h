#pragma once
// Shell tests: the owner of the screens with all 25 start-up screens, over a temporary folder.
#include "app/screen_set.h"
#include "screen_fixture.h"

#include <memory>

namespace filmeria::testing {

class ShellTest : public ScreenTest {
protected:
    void TearDown() override {
        screens_.reset();
        ScreenTest::TearDown();
    }

    ScreenSet& screens() {
        if (!screens_)
            screens_ = std::make_unique<ScreenSet>(fakes.services);
        return *screens_;
    }

private:
    std::unique_ptr<ScreenSet> screens_;
};

} // namespace filmeria::testing
