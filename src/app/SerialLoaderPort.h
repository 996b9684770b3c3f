#pragma once

#include "protocol/loader/LoaderPort.h"
#include "ui/loader/LoaderInputGuard.h"

#include <memory>

class QWidget;

namespace orvane {

class ModemLine;
class PortSession;
class RoutingThread;
class ModemPort;
struct RoutingFlags;

// The console's serial port handed to the loader. Nothing here waits: each
// call does what the line allows now and says so.
class SerialLoaderPort final : public LoaderPort {
public:
    struct Parts {
        PortSession& session;
        ModemLine& line;
        RoutingThread& routingThread;
        RoutingFlags& routing;
        QWidget& mainWindow;
        QWidget& panel; // the one place the operator may still click
    };

    explicit SerialLoaderPort(Parts parts) : p_(parts) {}

    void suspendSerialThreads() override;
    bool serialThreadsParked() override;
    void clearRoutingPaused() override;
    std::optional<std::size_t> tryWrite(std::span<const std::uint8_t> bytes) override;
    bool allSent() override;
    std::optional<std::uint8_t> tryRead() override;
    bool setLineRate(int bitsPerSecond) override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void close() override;

private:
    ModemPort* port() const;

    Parts p_;
    std::unique_ptr<LoaderInputGuard> guard_;
};

} // namespace orvane
