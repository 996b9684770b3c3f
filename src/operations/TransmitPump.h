#pragma once

#include "operations/PumpDecision.h"
#include "operations/PumpLine.h"

#include <QByteArray>

#include <cstddef>

namespace orvane {

class EchoCounter;
class FileSenders;
class PumpLine;
class TransmitPaneText;
struct LinkState;

// Runs whenever the transmit queue reports itself empty and hands the modem
// the next piece of work: binary data, a text file, or the typed text of the
// transmit pane reTXData. A pass reads only the pane's first line, so it costs
// the same whatever the pane holds below it.
class TransmitPump {
public:
    struct Parts {
        TransmitPaneText& pane;
        LinkState& link;
        TerminalModeState& terminal;
        EchoCounter& echoes;
        PumpLine& line;
        FileSenders& files;
    };

    explicit TransmitPump(Parts parts) : p_(parts) {}

    // One pass; the handler of the queue-empty event.
    void TransmitPumpPass();

    // What kept typed text back in the last pass; None when nothing waited
    // or nothing held it.
    OutputHold heldBy() const { return heldBy_; }

private:
    PumpView view();
    void apply(const PumpAction& action);
    void highlight(int from);

    Parts p_;
    bool draining_ = false;
    OutputHold hold_ = OutputHold::None;
    OutputHold heldBy_ = OutputHold::None;
    std::size_t writeLimit_ = 0;
    QByteArray firstLine_; // the bytes the last view points into
};

} // namespace orvane
