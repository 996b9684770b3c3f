#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// FAXTransferPanel and the few things around it that a FAX report changes.
class FaxPanelView {
public:
    virtual ~FaxPanelView() = default;
    virtual void centrePanel() = 0;
    virtual void showPanel() = 0;
    virtual void hidePanel() = 0;
    virtual bool panelVisible() const = 0;

    virtual std::string title() const = 0; // FAXTransferLabel
    virtual void setTitle(const std::string& text) = 0;
    virtual std::string status() const = 0; // FAXStatusLabel
    virtual void setStatus(const std::string& text) = 0;
    // FAXTransferRate, FAXTotalBytes, FAXReceivedBytes.
    virtual void setRate(const std::string& text) = 0;
    virtual void setTotal(const std::string& text) = 0;
    virtual void setCount(const std::string& text) = 0;
    // "Sent:" or "Received:" beside the count; "FAX Size:" always shown.
    virtual void showDirection(bool sending) = 0;

    virtual std::uint32_t gaugeMax() const = 0;
    virtual void setGaugeMax(std::uint32_t maximum) = 0;
    virtual std::uint32_t gaugePosition() const = 0;
    // Sets the gauge and repaints it at once.
    virtual void setGauge(std::uint32_t position) = 0;

    // Status bar panel 1, repainted at once.
    virtual void setLinkStatus(const std::string& text) = 0;
    // The Quoral toolbar while a FAX runs: everything off but Panic.
    virtual void applyBusySet() = 0;
    // After the transfer: the Quoral toolbar back, Disconnect and Foxes left alone.
    virtual void releaseBusySet() = 0;
};

// What the end of a FAX transfer does to the rest of the console.
class FaxConsole {
public:
    virtual ~FaxConsole() = default;
    virtual void setLinkUp(bool up) = 0;
    virtual void runQuoralSetup() = 0;
    // The mnuCodeQuoral handler: Quoral selected again, configuration changed.
    virtual void selectQuoral() = 0;
};

} // namespace orvane
