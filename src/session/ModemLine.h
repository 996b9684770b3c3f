#pragma once

#include "modes/ModeCommandSink.h"
#include "operations/CommandSender.h"
#include "operations/PumpLine.h"
#include "protocol/PacedCommands.h"
#include "transfer/TransferLine.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace orvane {

class LineLossListener;
class ModemSender;
class SequenceRunner;
class ModemPort;
class TransmitThread;
class UiQueue;
class UiThread;
class WireTap;
struct RoutingFlags;
struct Settings;
class XonXoffFilter;

// Told on the user-interface thread each time the transmit queue is found empty.
class QueueEmptyListener {
public:
    virtual ~QueueEmptyListener() = default;
    virtual void transmitQueueEmpty() = 0;
};

// The one way to the modem: our transmit queue with its thread, and every
// send the console makes. A plain command sent from outside a sequence
// waits its turn behind whatever sequence runs and is followed by the 50 ms
// spacing; a sequence's own commands go on the queue at once. The sequences,
// the set-ups, the operations, the pump and the transfers each see the line
// through their own interface; every one of them ends up here.
class ModemLine final : public SequenceLine,
                        public ModeCommandSink,
                        public CommandSender,
                        public PumpLine,
                        public TransferLine {
public:
    // `transmitTap` sees what leaves the queue; `lossListener` hears when the
    // port's device is gone; `flow` says whether the modem uses XON and XOFF
    // and whether its XOFF holds us.
    ModemLine(SequenceRunner& sequences, RoutingFlags& routing, const Settings& settings,
              UiThread& uiThread, WireTap& transmitTap, LineLossListener& lossListener,
              const XonXoffFilter& flow);
    ~ModemLine() override;

    // The port session hands us its port when it opens one and takes it back
    // when the device is lost (nullptr); what is queued stays for the next.
    void usePort(ModemPort* port);
    // The port closes for good: the queue and its thread end.
    void stop();
    bool isOpen() const { return port_ != nullptr; }
    // The transmit thread found the port's device gone.
    bool lineLost() const;
    TransmitThread* transmitQueue() { return transmit_.get(); }

    // The last thing the modem hears: whatever is queued is dropped, `goodbye`
    // is queued, and from then on every send is refused and nobody hears of an
    // empty queue, so no sender can put a byte behind it.
    void sayLast(const ModemCommand& goodbye);
    bool goodbyeQueued() const { return sealed_; }

    // Sends a command the way its kind requires (CommandSender, ModeCommandSink).
    void send(const ModemCommand& command) override;
    void sendText(std::span<const std::uint8_t> bytes);
    void sendCharacter(std::uint8_t byte);
    // Nothing waits to be sent: the transmit queue stops its idle reports
    // until bytes are queued or wantIdleReports() is called.
    void holdIdleReports();
    void wantIdleReports();
    // Listeners hear of an empty queue in the order they were added, after
    // whatever whenEmpty() waits for.
    void addEmptyListener(QueueEmptyListener& listener) { listeners_.push_back(&listener); }

    // SequenceLine
    void write(const ModemCommand& command) override;
    // SequenceLine and PumpLine
    void holdRouting(bool held) override;
    // ModeCommandSink: received items stay in the RxQueue for `ms`, as a sequence of its own.
    void pauseRoutingFor(int ms) override;
    // PumpLine
    std::size_t pending() override;
    void setWriteLimit(std::size_t bytes) override;
    void sendText(std::string_view bytes) override;
    void sendCommand(const ModemCommand& command) override { send(command); }
    void sendImmediate(std::string_view bytes) override;
    void clearQueue() override;
    void appendRaw(std::string_view bytes) override;
    // The driver honours neither CTS nor XOFF on our line: we look ourselves.
    OutputHold outputHold() override;
    // TransferLine
    void sendBytes(std::span<const std::uint8_t> bytes) override { sendText(bytes); }
    void sendCommand(CommandCode code) override;
    std::size_t pendingBytes() override { return pending(); }
    void whenEmpty(std::function<void()> then) override;

private:
    void writeImmediate(std::span<const std::uint8_t> bytes);
    void queueEmptied();
    void runIfEmpty();

    SequenceRunner& sequences_;
    RoutingFlags& routing_;
    const Settings& settings_;
    WireTap& transmitTap_;
    LineLossListener& lossListener_;
    const XonXoffFilter& flow_;
    std::unique_ptr<UiQueue> uiQueue_;
    ModemPort* port_ = nullptr;
    bool sealed_ = false; // the goodbye is queued: nothing more goes
    std::unique_ptr<TransmitThread> transmit_;
    std::unique_ptr<ModemSender> sender_;
    std::function<void()> afterEmpty_; // waits for the transmit queue to empty
    std::vector<QueueEmptyListener*> listeners_;
};

} // namespace orvane
