#pragma once

#include "protocol/handshake/HandshakeLink.h"
#include "serial/RxQueue.h"
#include "serial/XonXoffFilter.h"
#include "session/PortSessionHooks.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orvane {

class LineLossListener;
class ModemLine;
class PortReaderThread;
class ProcessExit;
class Prompter;
class SequenceRunner;
class SerialPort;
class WireTap;
struct RoutingFlags;

// What the port session works with besides its hooks.
struct PortSessionParts {
    RxQueue& queue;
    RoutingFlags& routing;
    ModemLine& line;
    SequenceRunner& sequences;
    // Sees every byte on the line; hears when the device is gone.
    WireTap& wireTap;
    LineLossListener& lossListener;
};

// The open serial port with its reader, the line's transmit queue on it: the
// open sequence, the choice of another port, the line controls, and the
// recovery of a port whose device went.
class PortSession final : public HandshakeLink {
public:
    PortSession(std::filesystem::path baseDir, const PortSessionParts& parts, Prompter& prompter,
                ProcessExit& processExit, PortSessionHooks& hooks);
    ~PortSession() override;

    std::string PortName = "COM";

    // Opens PortName, asking for another port while it cannot be opened.
    // False when the operator cancelled the port dialog.
    bool open();
    bool isOpen() const { return port_ != nullptr; }
    void close();

    // After a loss: the reader ends, the transmit queue keeps what it holds
    // and the port is closed, so the device can go. False if no port was open.
    bool releaseLostDevice();
    // Opens PortName again (the same link or device) and starts reading and
    // writing where the transmit queue stopped. Empty on success, else why not.
    std::string reopen();
    // True when a serial thread found the open port's device gone.
    bool deviceLost() const;
    // The device the port name led to when it was last open.
    const std::string& lastDevice() const { return lastDevice_; }

    PortReaderThread* reader() { return reader_.get(); }
    SerialPort* port() { return port_.get(); }
    XonXoffFilter& xonXoffFilter() { return filter_; }

    // HandshakeLink
    Task<> sendCommand(const ModemCommand& command) override;
    int pendingOutput() override;
    RxQueue& rxQueue() override { return parts_.queue; }
    bool chooseAnotherPort() override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void setXonXoffFilter(bool on) override { filter_.set(on); }
    void reapplyLineConfiguration() override;
    void ensureThreadsRunning() override;
    void clearRoutingPaused() override;
    void hideMainWindow() override;

private:
    bool startOn(const std::string& portName, std::string& error);
    void startThreads();
    void stopThreads();
    void reportRefusal(bool done, const std::string& what);

    std::filesystem::path baseDir_;
    PortSessionParts parts_;
    Prompter& prompter_;
    ProcessExit& processExit_;
    PortSessionHooks& hooks_;
    XonXoffFilter filter_;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<PortReaderThread> reader_;
    std::string lastDevice_;
};

} // namespace orvane
