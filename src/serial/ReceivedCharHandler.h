#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

class EchoCounter;
class ReceivedTextSink;
struct RoutingFlags;

// The window around the receive pane, as the received-character handler
// asks it, on the user-interface thread.
class ReceiveWindow {
public:
    virtual ~ReceiveWindow() = default;
    // The FAX panel covers the pane: nothing received is shown or captured.
    virtual bool faxTransferPanelVisible() const = 0;
    // The "SystemDefault" sound; returns when it has played.
    virtual void playSystemDefault() = 0;
    // The transmit pane takes the keyboard focus.
    virtual void returnFocus() = 0;
};

// Filters each data byte for the receive pane, counts echoes and feeds the
// capture file. The modem ends lines with CR LF: CR becomes the line break,
// the LF is dropped.
class ReceivedCharHandler {
public:
    struct Inputs {
        std::function<bool()> binarySendActive;
        std::function<std::string()> echoEnable; // the EchoEnable setting
    };

    ReceivedCharHandler(ReceivedTextSink& text, ReceiveWindow& window, const RoutingFlags& flags,
                        EchoCounter& echoes, Inputs inputs);

    void handle(std::uint8_t c);

    bool BellEnabled = true;

private:
    ReceivedTextSink& text_;
    ReceiveWindow& window_;
    const RoutingFlags& flags_;
    EchoCounter& echoes_;
    Inputs inputs_;
};

} // namespace orvane
