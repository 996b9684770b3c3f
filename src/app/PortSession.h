#pragma once

#include "app/PortSessionHooks.h"
#include "app/handshake/HandshakeLink.h"
#include "modes/CommandSteps.h"
#include "protocol/ModemCommand.h"
#include "serial/RxQueue.h"
#include "serial/XonXoffFilter.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orvane {

class Clock;
class LineLossListener;
class ModemSender;
class ProcessExit;
class Prompter;
class ReadCommThread;
class SequenceRunner;
class SerialPort;
class TransmitThread;
class WireTap;
struct RoutingFlags;

// The open serial port with its reader and transmit threads: the open
// sequence, the choice of another port, the line controls, and the send
// operations the rest of the console uses. A command sent from outside a
// sequence waits its turn behind whatever sequence runs.
class PortSession final : public HandshakeLink, public SequenceLine {
public:
    PortSession(std::filesystem::path baseDir, RxQueue& queue, RoutingFlags& flags, Clock& clock,
                SequenceRunner& sequences, Prompter& prompter, ProcessExit& processExit,
                PortSessionHooks& hooks);
    ~PortSession() override;

    std::string PortName = "COM";

    // Opens PortName, asking for another port while it cannot be opened.
    // False when the operator cancelled the port dialog.
    bool open();
    bool isOpen() const { return port_ != nullptr; }
    void close();

    // Told when the serial threads find the device gone.
    void setLineLossListener(LineLossListener* listener) { lossListener_ = listener; }
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

    // Sends a command the way its kind requires. A plain command is held
    // behind the running sequence and followed by the 50 ms spacing.
    void send(const ModemCommand& command);
    // SequenceLine: the command goes to the transmit queue now.
    void write(const ModemCommand& command) override;
    void holdRouting(bool held) override;
    SequenceRunner& sequences() { return sequences_; }
    void sendText(std::span<const std::uint8_t> bytes);
    void sendCharacter(std::uint8_t byte);
    TransmitThread* transmitQueue() { return transmit_.get(); }
    // Nothing waits to be sent: the transmit queue stops its idle reports
    // until bytes are queued or wantIdleReports() is called.
    void holdIdleReports();
    void wantIdleReports();
    ReadCommThread* reader() { return reader_.get(); }
    SerialPort* port() { return port_.get(); }
    XonXoffFilter& xonXoffFilter() { return filter_; }
    // Shows every byte on the line to `tap` from the next open on.
    void setWireTap(WireTap* tap) { tap_ = tap; }
    // Shows what leaves the transmit queue to `tap` from the next open on.
    void setTransmitTap(WireTap* tap) { transmitTap_ = tap; }

    // HandshakeLink
    Task<> sendCommand(const ModemCommand& command) override;
    int pendingOutput() override;
    RxQueue& rxQueue() override { return queue_; }
    bool chooseAnotherPort() override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    void setXonXoffFilter(bool on) override { filter_.set(on); }
    void reapplyLineConfiguration() override;
    void ensureThreadsRunning() override;
    void clearRoutingPaused() override;
    // Received items stay in the RxQueue for `ms`, as a sequence of its own.
    void pauseRoutingFor(int ms);
    void hideMainWindow() override;

private:
    bool startOn(const std::string& portName, std::string& error);
    void startThreads();
    void stopThreads();
    void reportRefusal(bool done, const std::string& what);

    std::filesystem::path baseDir_;
    RxQueue& queue_;
    RoutingFlags& flags_;
    SequenceRunner& sequences_;
    Prompter& prompter_;
    ProcessExit& processExit_;
    PortSessionHooks& hooks_;
    XonXoffFilter filter_;
    WireTap* tap_ = nullptr;
    WireTap* transmitTap_ = nullptr;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<ReadCommThread> reader_;
    std::unique_ptr<TransmitThread> transmit_;
    std::unique_ptr<ModemSender> sender_;
    LineLossListener* lossListener_ = nullptr;
    std::string lastDevice_;
};

} // namespace orvane
