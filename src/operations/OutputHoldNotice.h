#pragma once

#include "operations/PumpLine.h"

#include <cstdint>
#include <string>

namespace orvane {

class Clock;
class StatusBarView;

// Typed text that the modem holds back longer than a few seconds is never
// held in silence: the status bar says what holds it ("Held by the modem
// (CTS)" or "(XOFF)") until it flows again, and then shows what it showed
// before.
class OutputHoldNotice {
public:
    static constexpr int kShowAfterMs = 3000;

    OutputHoldNotice(Clock& clock, StatusBarView& statusBar) : clock_(clock), bar_(statusBar) {}

    // What held typed text back in the pump's last pass (None: nothing did).
    void passFound(OutputHold hold);

    static std::string text(OutputHold hold);

private:
    void show();
    void withdraw();

    Clock& clock_;
    StatusBarView& bar_;
    OutputHold hold_ = OutputHold::None;
    std::int64_t since_ = 0;
    bool shown_ = false;
    std::string covered_; // what the panel showed before
};

} // namespace orvane
