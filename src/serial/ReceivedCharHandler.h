#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

class EchoCounter;
struct RoutingFlags;

// What the received-character handler acts on, on the user-interface thread.
class ReceivedCharTarget {
public:
    virtual ~ReceivedCharTarget() = default;
    virtual bool faxTransferPanelVisible() const = 0;
    virtual void showReceived(char c) = 0;
    virtual void showEcho(char c) = 0;
    // The "SystemDefault" sound; returns when it has played.
    virtual void playSystemDefault() = 0;
    // Writes the byte to the capture file while a capture is on.
    virtual void captureChar(std::uint8_t c) = 0;
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

    ReceivedCharHandler(ReceivedCharTarget& target, const RoutingFlags& flags, EchoCounter& echoes,
                        Inputs inputs);

    void handle(std::uint8_t c);

    bool BellEnabled = true;

private:
    ReceivedCharTarget& target_;
    const RoutingFlags& flags_;
    EchoCounter& echoes_;
    Inputs inputs_;
};

} // namespace orvane
