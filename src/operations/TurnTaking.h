#pragma once

#include "controls/Control.h"
#include "operations/OperationContext.h"

namespace orvane {

class SupervisionTimers;
struct TerminalModeState;

// Who transmits and how: OVER and Forced OVER, TX enable, NORM/REV, Monitor
// and the RTTY rate, from the mode toolbars.
class TurnTaking {
public:
    // The terminal keeps the TX enable and polarity flags; the timers close
    // the OVER box.
    TurnTaking(const OperationContext& context, TerminalModeState& terminal,
               SupervisionTimers& timers)
        : ctx_(context), terminal_(terminal), timers_(timers) {}

    void butOverClick();
    void butForcedOverClick();
    void butTXEnableClick();
    void butNormRevClick();
    void butMonitorClick();
    void butRttyRateClick();

    // The keyboard's Forced OVER: the two bytes ahead of the queue and the
    // box, whichever side holds the turn.
    void forcedOver();
    // The keyboard's TX enable toggle: the toolbars' buttons and the flag,
    // without the sync idle command; the ASCII button only when asked.
    void toggleTxEnabledFromKey(bool withAscii);
    // OverBox with `text` until WaitTimer expires.
    void showOverBox(const char* text);
    // The keyboard's OVER: the over text typed, and the box when nothing waits.
    void overFromKey();
    // The keyboard's NORM/REV: the button's change, kept for the next save.
    void togglePolarityFromKey();

private:
    void showTxEnabled(Control button, bool enabled);

    OperationContext ctx_;
    TerminalModeState& terminal_;
    SupervisionTimers& timers_;
};

// The next RTTY rate after `rate` (45, 50, 57, 75, 100, 110, then 45 again)
// and its index in that list, as the rate commands take it.
struct RttyRate {
    int baud;
    int index;
};
RttyRate nextRttyRate(int rate);

} // namespace orvane
