#pragma once

namespace orvane {

// The file senders as the transmit pump serves them: binary data takes the
// pass ahead of a text file, and a text file ahead of the typed text.
class FileSenders {
public:
    virtual ~FileSenders() = default;
    // The binary sender waits for the other station: the pump hands nothing over.
    virtual bool binaryHoldsPump() const = 0;
    // The binary data phase runs: each pump pass is one pass of the sender.
    virtual bool binaryDataPhase() const = 0;
    virtual void binaryPass() = 0;
    // A binary send is under way (its set-up or its data phase): the transmit
    // pane's keys are not filtered.
    virtual bool binarySendActive() const = 0;
    // A text file is being sent: it takes the pass when no binary data goes.
    virtual bool textFileSendActive() const = 0;
    virtual void textFilePass() = 0;
};

} // namespace orvane
