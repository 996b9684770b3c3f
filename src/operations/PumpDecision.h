#pragma once

#include "modes/TerminalModeState.h"
#include "protocol/link/OperatingMode.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// What one pass of the transmit pump sees: plain values read from the link,
// the echo count, the port, the transmit queue and the pane's first line.
struct PumpView {
    OperatingMode mode = OperatingMode::Quoral;
    TextEntryMode entry = TextEntryMode::Word;
    bool linkUp = false;
    bool txActive = false; // the modem reported transmit
    bool txEnabled = true; // TX EN
    int echoPending = 0;
    bool binaryHold = false; // a binary transfer waits for the other station
    bool draining = false;   // the queue still drains after such a hold
    bool binaryDataPhase = false;
    bool textFileActive = false;
    bool flowHeld = false;      // XOFF received or CTS off
    std::size_t queued = 0;     // bytes still pending in the queue and the driver
    std::string_view firstLine; // without its line end
    bool completedLine = false; // the pane holds more than its first line
    int sentCount = 0;
};

// What the pass does. `step` says how far it got; the rest applies only to
// a typed-text step.
struct PumpAction {
    enum class Step {
        Drain,        // a binary hold: only note whether the queue still drains
        Throttled,    // too many echoes awaited
        BinaryPass,   // the binary sender's data phase takes the pass
        TextFilePass, // the text-file sender takes the pass
        FlowHeld,     // XOFF or CTS off
        QueueBusy,    // the queue has not drained far enough
        Typed,        // typed text decided (possibly nothing)
    };
    Step step = Step::Typed;
    std::size_t writeLimit = 0; // for QueueBusy and Typed
    std::string text;           // handed to the queue as text
    bool fskIdle = false;       // FSK_IDLE goes instead of text
    bool finishLine = false;    // the end-of-line went: drop the first line
    int sentCount = 0;          // SentCount after the pass
};

// The most echoes awaited before the pump holds back, per mode.
int echoCeiling(OperatingMode mode);

// One pump pass, decided. `endOfLine` is the mode's end-of-line sequence.
PumpAction decidePumpPass(const PumpView& view, std::string_view endOfLine);

} // namespace orvane
