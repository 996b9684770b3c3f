#pragma once

#include "protocol/handshake/HandshakeLink.h"
#include "serial/RxQueue.h"
#include "session/PortSessionHooks.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orvane {

class LineLossListener;
class ModemLine;
class ModemPort;
class PortReaderThread;
class ProcessExit;
class Prompter;
class SequenceRunner;
class PortDevices;
class WireTap;
class XonXoffFilter;
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
    // The modem's software flow control, as the reader decodes it.
    XonXoffFilter& flow;
    // Where a port name's device is opened.
    PortDevices& devices;
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
    // Opens PortName again, resolved afresh (the link may lead elsewhere by
    // now), and starts reading. The line does not write to it before
    // takeUpLine(): first the device must prove to be the modem. Empty on
    // success, else why not.
    std::string reopen();
    // The reopened port is the modem's: the transmit queue goes on where it stopped.
    void takeUpLine();
    // True when a serial thread found the open port's device gone.
    bool deviceLost() const;
    // The device the port name led to when it was last open.
    const std::string& lastDevice() const { return lastDevice_; }

    PortReaderThread* reader() { return reader_.get(); }
    ModemPort* port() { return port_.get(); }
    XonXoffFilter& xonXoffFilter() { return parts_.flow; }

    // HandshakeLink
    Task<> sendCommand(const ModemCommand& command) override;
    int pendingOutput() override;
    RxQueue& rxQueue() override { return parts_.queue; }
    bool chooseAnotherPort() override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void setXonXoffFilter(bool on) override;
    void reapplyLineConfiguration() override;
    void ensureThreadsRunning() override;
    void clearRoutingPaused() override;
    void hideMainWindow() override;

private:
    bool startOn(const std::string& portName, std::string& error);
    std::string openPort(const std::string& portName);
    void startReader();
    void stopThreads();
    void reportRefusal(bool done, const std::string& what);

    std::filesystem::path baseDir_;
    PortSessionParts parts_;
    Prompter& prompter_;
    ProcessExit& processExit_;
    PortSessionHooks& hooks_;
    std::unique_ptr<ModemPort> port_;
    std::unique_ptr<PortReaderThread> reader_;
    std::string lastDevice_;
};

} // namespace orvane
