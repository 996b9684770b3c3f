#pragma once

#include "app/loader/LoaderInputGuard.h"
#include "app/loader/LoaderPort.h"

#include <QSocketNotifier>

#include <functional>
#include <memory>

class QWidget;

namespace orvane {

class Clock;
class DisplayThread;
class PortSession;
class SerialPort;
struct RoutingFlags;

// The console's serial port handed to the loader. Waits run the event loop
// until the port's descriptor is ready or a deadline timer on the console's
// clock fires, so the window keeps painting and nothing polls.
class SerialLoaderPort final : public LoaderPort {
public:
    struct Parts {
        PortSession& session;
        DisplayThread& display;
        RoutingFlags& routing;
        Clock& clock;
        QWidget& mainWindow;
        QWidget& panel; // the one place the operator may still click
    };

    explicit SerialLoaderPort(Parts parts) : p_(parts) {}

    bool suspendSerialThreads() override;
    void clearRoutingPaused() override;
    bool write(std::span<const std::uint8_t> bytes, int limitMs) override;
    bool waitUntilSent(int limitMs) override;
    std::optional<std::uint8_t> readByte(int limitMs) override;
    void pause(int ms) override;
    void processEvents() override;
    bool setLineRate(int bitsPerSecond) override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void close() override;

private:
    SerialPort* port() const;
    // Runs the event loop until `ready` holds, re-checking it whenever the
    // port becomes ready for `direction`; false once `limitMs` have passed.
    bool waitForPort(QSocketNotifier::Type direction, int limitMs, const std::function<bool()>& ready);
    void waitMs(int ms);

    Parts p_;
    int lineRate_ = 9600;
    std::unique_ptr<LoaderInputGuard> guard_;
};

} // namespace orvane
