#pragma once

#include "modes/ModeContext.h"
#include "protocol/link/OperatingMode.h"

#include <functional>

namespace orvane {

// Runs the set-ups one at a time. A set-up handles window messages while it
// waits after each command, so a menu click or a timer may try to start
// another one in the middle; that attempt is refused, since two interleaved
// command sequences would leave the modem in neither mode.
class ModeSetupRunner {
public:
    explicit ModeSetupRunner(ModeContext& context) : context_(context) {}
    ModeSetupRunner(const ModeSetupRunner&) = delete;
    ModeSetupRunner& operator=(const ModeSetupRunner&) = delete;

    ModeContext& context() { return context_; }
    bool isRunning() const { return running_; }

    // The start-up's common set-up. False, with nothing done, while a set-up runs.
    bool runCommonSetup();
    // The set-up of a mode (the configuration dialog and the FAX display call
    // it too). False, with nothing done, while a set-up runs.
    bool runSetup(OperatingMode mode);

    // Runs the action now, or as soon as the running set-up has ended. Only
    // the latest action waits: it supersedes an earlier one.
    void whenIdle(std::function<void()> action);

private:
    bool runExclusively(const std::function<void()>& setup);

    ModeContext& context_;
    bool running_ = false;
    std::function<void()> pending_;
};

} // namespace orvane
