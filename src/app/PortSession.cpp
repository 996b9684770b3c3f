#include "app/PortSession.h"

#include "app/handshake/AnotherPortQuestion.h"
#include "platform/Prompter.h"
#include "serial/ModemSender.h"
#include "serial/ReadCommThread.h"
#include "serial/RoutingFlags.h"
#include "serial/SerialPort.h"
#include "sequence/SequenceRunner.h"
#include "serial/TransmitThread.h"

namespace orvane {

PortSession::PortSession(std::filesystem::path baseDir, RxQueue& queue, RoutingFlags& flags,
                         Clock&, SequenceRunner& sequences, Prompter& prompter,
                         ProcessExit& processExit, PortSessionHooks& hooks)
    : baseDir_(std::move(baseDir)), queue_(queue), flags_(flags), sequences_(sequences),
      prompter_(prompter), processExit_(processExit), hooks_(hooks) {}

PortSession::~PortSession() { close(); }

bool PortSession::open() {
    for (;;) {
        std::string error;
        if (startOn(PortName, error)) return true;
        // Say which device failed and why before offering another one.
        if (!error.empty())
            prompter_.message("Orvane", error, PromptIcon::Stop, PromptButtons::Ok);
        std::optional<int> chosen = hooks_.choosePort();
        if (!chosen) {
            hideMainWindow();
            return false;
        }
        PortName = "COM" + std::to_string(*chosen);
    }
}

bool PortSession::startOn(const std::string& portName, std::string& error) {
    PortOpening opening = SerialPort::openPortName(portName, baseDir_);
    if (!opening.port) {
        error = opening.error;
        return false;
    }
    port_ = std::move(opening.port);
    lastDevice_ = port_->devicePath();
    port_->setWireTap(tap_);
    setRts(true);
    setDtr(true);
    // A fresh receive side: no link, routing not paused, nothing queued.
    hooks_.resetLinkState();
    flags_.RoutingPaused = false;
    queue_.clear();
    queue_.acceptWaiters();
    startThreads();
    return true;
}

void PortSession::startThreads() {
    reader_ = std::make_unique<ReadCommThread>(*port_, queue_, filter_,
                                               ReadCommThread::LineErrorHandler{}, lossListener_);
    if (transmit_) {
        transmit_->usePort(port_.get()); // what was queued before a loss goes out now
        return;
    }
    transmit_ = std::make_unique<TransmitThread>(*port_, [this] { hooks_.transmitQueueEmpty(); });
    transmit_->setWireTap(transmitTap_);
    transmit_->setLineLossListener(lossListener_);
    sender_ = std::make_unique<ModemSender>(*transmit_, [this] { return hooks_.isPsk31Mode(); });
}

bool PortSession::releaseLostDevice() {
    if (!port_) return false;
    if (reader_) {
        queue_.releaseWaiters();
        reader_->stop();
        reader_.reset();
    }
    if (transmit_) transmit_->usePort(nullptr);
    port_.reset();
    return true;
}

bool PortSession::deviceLost() const {
    return port_ && ((reader_ && reader_->lineLost()) || (transmit_ && transmit_->lineLost()));
}

std::string PortSession::reopen() {
    if (port_) return {};
    PortOpening opening = SerialPort::openPortName(PortName, baseDir_);
    if (!opening.port) return opening.error;
    port_ = std::move(opening.port);
    lastDevice_ = port_->devicePath();
    port_->setWireTap(tap_);
    setRts(true);
    setDtr(true);
    queue_.acceptWaiters();
    startThreads();
    return {};
}

void PortSession::stopThreads() {
    if (reader_) {
        queue_.releaseWaiters();
        reader_->stop();
        reader_.reset();
    }
    sender_.reset();
    if (transmit_) {
        transmit_->stop();
        transmit_.reset();
    }
}

void PortSession::close() {
    stopThreads();
    port_.reset();
}

bool PortSession::chooseAnotherPort() {
    close();
    if (!askForAnotherPort(prompter_, processExit_)) return false;
    hooks_.portChanged();
    std::optional<int> chosen = hooks_.choosePort();
    if (!chosen) processExit_.exitNow(0);
    PortName = "COM" + std::to_string(*chosen);
    return open();
}

void PortSession::send(const ModemCommand& command) {
    if (command.sendKind() == SendKind::Command) {
        sequences_.start(
            "command", [this, command] { return sendPaced(command, *this, sequences_); },
            SequenceRunner::Kind::HeldCommand);
        return;
    }
    write(command);
}

Task<> PortSession::sendCommand(const ModemCommand& command) {
    return sendPaced(command, *this, sequences_);
}

void PortSession::write(const ModemCommand& command) {
    if (!transmit_) return;
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
    case SendKind::LoaderWrite:
        for (std::uint8_t byte : bytes) port_->sendImmediate(byte);
        break;
    }
}

void PortSession::sendText(std::span<const std::uint8_t> bytes) {
    if (sender_) sender_->sendText(bytes);
}

void PortSession::sendCharacter(std::uint8_t byte) {
    if (sender_) sender_->sendCharacter(byte);
}

void PortSession::holdIdleReports() {
    if (transmit_) transmit_->holdIdleReports();
}

void PortSession::wantIdleReports() {
    if (transmit_) transmit_->wantIdleReports();
}

// Our own transmit buffer as well as the driver's queue.
int PortSession::pendingOutput() {
    if (transmit_) return static_cast<int>(transmit_->length());
    return port_ ? port_->lineStatus().txPending : 0;
}

void PortSession::setRts(bool on) {
    if (port_) reportRefusal(on ? port_->setRts() : port_->clearRts(), on ? "raise RTS" : "drop RTS");
}

void PortSession::setDtr(bool on) {
    if (port_) reportRefusal(on ? port_->setDtr() : port_->clearDtr(), on ? "raise DTR" : "drop DTR");
}

void PortSession::reapplyLineConfiguration() {
    if (port_) reportRefusal(port_->configureLine(9600), "take the line settings 9600 8N1");
}

// The modem may not hear us as it should; the operator hears of it at once,
// without a dialog that stops the console.
void PortSession::reportRefusal(bool done, const std::string& what) {
    if (!done)
        prompter_.notice("Orvane", "The serial port " + lastDevice_ + " did not " + what + ".",
                         PromptIcon::Exclamation);
}

void PortSession::ensureThreadsRunning() {
    if (reader_) reader_->resume();
    if (transmit_) transmit_->resume();
}

void PortSession::clearRoutingPaused() { flags_.RoutingPaused = false; }

void PortSession::holdRouting(bool held) { flags_.RoutingPaused = held; }

void PortSession::pauseRoutingFor(int ms) {
    CommandSteps pause;
    pause.pauseRoutingFor(ms);
    sequences_.start("routing pause",
                     [this, pause] { return play(pause, *this, sequences_); });
}

void PortSession::hideMainWindow() {
    hooks_.hideMainWindow();
}

} // namespace orvane
