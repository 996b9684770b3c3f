#pragma once

#include "protocol/link/MenuInputs.h"

#include <cstdint>
#include <string>

namespace orvane {

// The text file progress window, and the menus a text file send changes.
class TextFileView {
public:
    virtual ~TextFileView() = default;
    // Shows the window (not modally) with its two lines and the gauge.
    virtual void showProgress(const std::string& nameLine, const std::string& sizeLine,
                              std::int64_t gaugeMax, std::int64_t gaugePos) = 0;
    virtual void setGauge(std::int64_t position) = 0;
    virtual void hideProgress() = 0;
    virtual void noteMenus(MenuEvent event) = 0;
    // The end of a send: the transmit pane writable again, with the focus.
    virtual void releaseTransmitPane() = 0;
};

// What the text pass asks of the operating mode.
class TextSendMode {
public:
    virtual ~TextSendMode() = default;
    // The modem echoes this character in the current mode.
    virtual bool countsTowardEcho(std::uint8_t byte) const = 0;
    virtual OperatingMode operatingMode() const = 0;
};

} // namespace orvane
