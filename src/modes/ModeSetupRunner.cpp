#include "modes/ModeSetupRunner.h"

#include "modes/CommonSetup.h"
#include "modes/ModeSetups.h"

#include <utility>

namespace orvane {

bool ModeSetupRunner::runCommonSetup() {
    return runExclusively([this] { commonSetup(context_); });
}

bool ModeSetupRunner::runSetup(OperatingMode mode) {
    return runExclusively([this, mode] { setupForMode(context_, mode); });
}

void ModeSetupRunner::whenIdle(std::function<void()> action) {
    if (running_)
        pending_ = std::move(action);
    else
        action();
}

bool ModeSetupRunner::runExclusively(const std::function<void()>& setup) {
    if (running_) return false;
    {
        running_ = true;
        struct Release {
            bool& running;
            ~Release() { running = false; }
        } release{running_};
        setup();
    }
    if (pending_) std::exchange(pending_, nullptr)();
    return true;
}

} // namespace orvane
