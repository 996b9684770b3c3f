#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orvane {

// The serial port as the firmware loader owns it: the three serial threads
// parked, every byte straight to and from the line. Nothing here waits: the
// download waits between its steps on the sequence runner, and asks again.
class LoaderPort {
public:
    virtual ~LoaderPort() = default;

    // Asks PortReaderThread, TransmitThread and RoutingThread to park; they are
    // never resumed.
    virtual void suspendSerialThreads() = 0;
    // True once all three have reported parked.
    virtual bool serialThreadsParked() = 0;
    virtual void clearRoutingPaused() = 0;

    // Hands the line what it takes of `bytes` now, from the front: the count
    // taken (0 when the line is full), or nothing when the port refused them.
    virtual std::optional<std::size_t> tryWrite(std::span<const std::uint8_t> bytes) = 0;
    // True once the driver has sent everything it held.
    virtual bool allSent() = 0;
    // The next byte from the modem, if one is there.
    virtual std::optional<std::uint8_t> tryRead() = 0;

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
