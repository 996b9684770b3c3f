#pragma once

namespace orvane {

// The binary file sender as the transmit pump serves it. The pump gives it a
// pass ahead of the text-file sender and the typed text.
class BinaryPumpSource {
public:
    virtual ~BinaryPumpSource() = default;
    // The sender waits for the other station: the pump hands nothing over.
    virtual bool holdsPump() const = 0;
    // The data phase runs: each pump pass is one pass of the sender.
    virtual bool dataPhaseActive() const = 0;
    virtual void pumpPass() = 0;
    // A binary send is under way (its set-up or its data phase): the transmit
    // pane's keys are not filtered, the toolbar texts are not inserted.
    virtual bool sendActive() const = 0;
};

// The plain text-file sender; it takes the pass when no binary data goes.
class TextFilePumpSource {
public:
    virtual ~TextFilePumpSource() = default;
    virtual bool sendActive() const = 0;
    virtual void pumpPass() = 0;
};

} // namespace orvane
