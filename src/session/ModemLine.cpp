#include "session/ModemLine.h"

#include "config/Settings.h"
#include "modes/CommandSteps.h"
#include "platform/UiThread.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/OperatingMode.h"
#include "sequence/SequenceRunner.h"
#include "serial/ModemPort.h"
#include "serial/ModemSender.h"
#include "serial/RoutingFlags.h"
#include "serial/TransmitThread.h"
#include "serial/XonXoffFilter.h"

namespace orvane {
namespace {

std::span<const std::uint8_t> asBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

ModemLine::ModemLine(SequenceRunner& sequences, RoutingFlags& routing, const Settings& settings,
                     UiThread& uiThread, WireTap& transmitTap, LineLossListener& lossListener,
                     const XonXoffFilter& flow)
    : sequences_(sequences), routing_(routing), settings_(settings), transmitTap_(transmitTap),
      lossListener_(lossListener), flow_(flow), uiQueue_(uiThread.createQueue()) {}

ModemLine::~ModemLine() {
    stop();
}

void ModemLine::usePort(ModemPort* port) {
    port_ = port;
    if (transmit_) {
        transmit_->usePort(port); // what was queued before a loss goes out now
        return;
    }
    if (!port) return;
    // The report comes on the transmit thread; it is heard on ours.
    transmit_ = std::make_unique<TransmitThread>(
        *port, [this] { uiQueue_->post([this] { queueEmptied(); }); });
    transmit_->setWireTap(&transmitTap_);
    transmit_->setLineLossListener(&lossListener_);
    sender_ = std::make_unique<ModemSender>(
        *transmit_, [this] { return settings_.Code == operatingModeValue(OperatingMode::Psk31); });
}

void ModemLine::stop() {
    sender_.reset();
    if (transmit_) {
        transmit_->stop();
        transmit_.reset();
    }
    port_ = nullptr;
}

bool ModemLine::lineLost() const {
    return transmit_ && transmit_->lineLost();
}

void ModemLine::sayLast(const ModemCommand& goodbye) {
    sequences_.dropHeldCommands();
    if (transmit_) {
        transmit_->clear();
        transmit_->append(goodbye.bytes());
    }
    sealed_ = true;
}

void ModemLine::send(const ModemCommand& command) {
    if (sealed_) return;
    if (command.sendKind() == SendKind::Command) {
        sequences_.start(
            "command", [this, command] { return sendPaced(command, *this, sequences_); },
            SequenceRunner::Kind::HeldCommand);
        return;
    }
    write(command);
}

void ModemLine::sendCommand(CommandCode code) {
    send(command(code));
}

void ModemLine::write(const ModemCommand& command) {
    if (!transmit_ || sealed_) return;
    const auto& bytes = command.bytes();
    switch (command.sendKind()) {
    case SendKind::Command:
    case SendKind::DirectAppend: transmit_->append(bytes); break;
    case SendKind::ClearQueueThenAppend:
        // Panic goes ahead of everything: the operator's held commands go with the queue.
        sequences_.dropHeldCommands();
        transmit_->clear();
        transmit_->append(bytes);
        break;
    case SendKind::ImmediateWrite:
    case SendKind::LoaderWrite: writeImmediate(bytes); break;
    }
}

void ModemLine::holdRouting(bool held) {
    routing_.RoutingPaused = held;
}

void ModemLine::pauseRoutingFor(int ms) {
    CommandSteps pause;
    pause.pauseRoutingFor(ms);
    sequences_.start("routing pause", [this, pause] { return play(pause, *this, sequences_); });
}

void ModemLine::sendText(std::span<const std::uint8_t> bytes) {
    if (sender_ && !sealed_) sender_->sendText(bytes);
}

void ModemLine::sendText(std::string_view bytes) {
    sendText(asBytes(bytes));
}

void ModemLine::sendCharacter(std::uint8_t byte) {
    if (sender_ && !sealed_) sender_->sendCharacter(byte);
}

void ModemLine::holdIdleReports() {
    if (transmit_) transmit_->holdIdleReports();
}

void ModemLine::wantIdleReports() {
    if (transmit_) transmit_->wantIdleReports();
}

// Our own transmit buffer as well as the driver's queue.
std::size_t ModemLine::pending() {
    if (transmit_) return transmit_->backlog();
    if (!port_) return 0;
    const int driver = port_->lineStatus().txPending;
    return driver > 0 ? static_cast<std::size_t>(driver) : 0;
}

void ModemLine::setWriteLimit(std::size_t bytes) {
    if (transmit_) transmit_->setChunkSize(bytes);
}

void ModemLine::sendImmediate(std::string_view bytes) {
    writeImmediate(asBytes(bytes));
}

void ModemLine::writeImmediate(std::span<const std::uint8_t> bytes) {
    if (!port_ || sealed_) return;
    for (const std::uint8_t byte : bytes)
        port_->sendImmediate(byte);
}

void ModemLine::clearQueue() {
    if (transmit_ && !sealed_) transmit_->clear();
}

void ModemLine::appendRaw(std::string_view bytes) {
    if (transmit_ && !sealed_) transmit_->append(bytes);
}

// A modem with software flow control says so by XOFF; its CTS line may then
// be anything at all (a three-wire cable leaves it low), so it is not looked at.
OutputHold ModemLine::outputHold() {
    if (flow_.isOn()) return flow_.holdsOutput() ? OutputHold::Xoff : OutputHold::None;
    return port_ && !port_->ctsOn() ? OutputHold::Cts : OutputHold::None;
}

void ModemLine::whenEmpty(std::function<void()> then) {
    afterEmpty_ = std::move(then);
    runIfEmpty();
}

void ModemLine::runIfEmpty() {
    if (!afterEmpty_ || (pending() > 0 && isOpen())) return;
    std::exchange(afterEmpty_, {})();
}

void ModemLine::queueEmptied() {
    if (sealed_) return; // the senders have had their turn
    runIfEmpty();
    for (QueueEmptyListener* listener : listeners_)
        listener->transmitQueueEmpty();
}

} // namespace orvane
