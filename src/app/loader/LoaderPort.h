#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// The serial port as the firmware loader owns it: the three serial threads
// parked, every byte straight to and from the line. Every wait is bounded and
// keeps window messages flowing.
class LoaderPort {
public:
    virtual ~LoaderPort() = default;

    // Parks ReadCommThread, TransmitThread and DisplayThread, each until it
    // reports parked; false if one did not. They are never resumed.
    virtual bool suspendSerialThreads() = 0;
    virtual void clearRoutingPaused() = 0;

    // Writes all of `bytes` and waits until the write has completed; false
    // when the port refused them or did not take them within `limitMs`.
    virtual bool write(std::span<const std::uint8_t> bytes, int limitMs) = 0;
    // Waits until the driver has sent everything it holds; false after `limitMs`.
    virtual bool waitUntilSent(int limitMs) = 0;
    // The next byte from the modem, or nothing if none came within `limitMs`.
    virtual std::optional<std::uint8_t> readByte(int limitMs) = 0;

    // Waits `ms` milliseconds.
    virtual void pause(int ms) = 0;
    // Handles pending window messages once.
    virtual void processEvents() = 0;

    virtual bool setLineRate(int bitsPerSecond) = 0;
    virtual void setRts(bool on) = 0;
    virtual void setDtr(bool on) = 0;
    // Closes the port for good.
    virtual void close() = 0;
};

// pnlFWDownload as the loader drives it.
class LoaderView {
public:
    virtual ~LoaderView() = default;
    // Centres the panel on the main window, shows the image's file name and
    // the gauge at 0, and paints it.
    virtual void showPanel(const std::string& fileName) = 0;
    virtual void setGauge(std::int64_t position, std::int64_t maximum) = 0;
    virtual void setBusy(bool busy) = 0;
    // "Abort" (Button20) was pressed since the last clear.
    virtual bool abortRequested() const = 0;
    virtual void clearAbort() = 0;
    // The red "resetting" notice with Abort disabled, while the modem restarts.
    virtual void showResetting() = 0;
    // Abort enabled again, the text black, the panel hidden.
    virtual void hidePanel() = 0;
};

} // namespace orvane
