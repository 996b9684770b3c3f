#pragma once

#include "operations/PumpDecision.h"
#include "operations/PumpLine.h"

#include <QByteArray>

#include <cstddef>

namespace orvane {

class BinaryPumpSource;
class EchoCounter;
class TextFilePumpSource;
class TransmitPaneText;
class TransmitSendState;
struct LinkState;

// Counts 'z' and 'Z' in what the pump sends: three in a row end the link.
class ZRun {
public:
    // True when this text completes a run of three.
    bool feed(std::string_view text);

private:
    int count_ = 0; // ZRunCount
};

// Runs whenever the transmit queue reports itself empty and hands the modem
// the next piece of work: binary data, a text file, or the typed text of the
// transmit pane reTXData. A pass reads only the pane's first line, so it costs
// the same whatever the pane holds below it.
class TransmitPump {
public:
    struct Parts {
        TransmitPaneText& pane;
        TransmitSendState& sent;
        LinkState& link;
        TerminalModeState& terminal;
        EchoCounter& echoes;
        PumpLine& line;
        BinaryPumpSource& binary;
        TextFilePumpSource& textFile;
    };

    explicit TransmitPump(Parts parts) : p_(parts) {}

    // One pass; the handler of the queue-empty event.
    void TransmitPumpPass();

    // The part of the first line already handed over (SentCount).
    int sentCount() const;
    // What kept typed text back in the last pass; None when nothing waited
    // or nothing held it.
    OutputHold heldBy() const { return heldBy_; }
    TransmitSendState& sendState() { return p_.sent; }
    // The pane's send state and the Z run back to nothing sent (the panic
    // reset), under the transmit-pane lock.
    void resetSendState();

private:
    PumpView view();
    void apply(const PumpAction& action);
    void highlight(int from);

    Parts p_;
    bool draining_ = false;
    OutputHold hold_ = OutputHold::None;
    OutputHold heldBy_ = OutputHold::None;
    std::size_t writeLimit_ = 0;
    ZRun zRun_;
    QByteArray firstLine_; // the bytes the last view points into
};

} // namespace orvane
