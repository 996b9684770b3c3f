#include "operations/OutputHoldNotice.h"

#include "monitor/StatusBarView.h"
#include "platform/Clock.h"

namespace orvane {

std::string OutputHoldNotice::text(OutputHold hold) {
    return hold == OutputHold::Xoff ? "Held by the modem (XOFF)" : "Held by the modem (CTS)";
}

void OutputHoldNotice::passFound(OutputHold hold) {
    if (hold == OutputHold::None) {
        withdraw();
        return;
    }
    if (hold != hold_) {
        withdraw();
        hold_ = hold;
        since_ = clock_.tickMs();
    }
    if (clock_.tickMs() - since_ >= kShowAfterMs) show();
}

// The panel is shown again on each pass: a modem event may have written over
// it, and then that event is what it shows once the hold ends.
void OutputHoldNotice::show() {
    const std::string shown = bar_.panelText(panel::Event);
    if (shown == text(hold_)) return;
    covered_ = shown;
    shown_ = true;
    bar_.setPanel(panel::Event, text(hold_));
}

void OutputHoldNotice::withdraw() {
    if (shown_ && bar_.panelText(panel::Event) == text(hold_))
        bar_.setPanel(panel::Event, covered_);
    shown_ = false;
    hold_ = OutputHold::None;
}

} // namespace orvane
