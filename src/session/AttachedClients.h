#pragma once

#include "protocol/status/ConsoleActivities.h"
#include "serial/ReceiveRouting.h"
#include "serial/ReceivedTextSink.h"
#include "session/SessionClients.h"

namespace orvane {

struct TerminalModeState;

// The session's clients as its own parts reach them. Nothing is received
// before start-up, and they are attached before it; the calls that may come
// earlier (a close before start-up) find none and do nothing.
class AttachedClients final : public ReceivedTextSink,
                              public BinaryReceiveSink,
                              public ConsoleActivities {
public:
    explicit AttachedClients(TerminalModeState& terminal) : terminal_(terminal) {}

    void attach(SessionClients& clients);
    bool attached() const { return clients_ != nullptr; }
    // Attached, or a call before start-up could not have come.
    SessionClients& clients() { return *clients_; }

    void handleInBand() { clients_->handleInBand(); }
    bool binarySendActive() const { return clients_ && clients_->binarySendActive(); }

    // ReceivedTextSink
    void showReceived(char c) override { text_->showReceived(c); }
    void showEcho(char c) override { text_->showEcho(c); }
    void captureChar(std::uint8_t c) override { text_->captureChar(c); }
    // BinaryReceiveSink: the routing thread
    void writeByte(std::uint8_t byte) override { binaryFile_->writeByte(byte); }
    // ConsoleActivities: the files are the clients', the line end the terminal's.
    void stopTextFileSend() override;
    void closeFileActivities() override;
    void setEndOfLine(const std::string& word, EndOfLineWords accepted) override;

private:
    TerminalModeState& terminal_;
    SessionClients* clients_ = nullptr;
    ReceivedTextSink* text_ = nullptr;
    BinaryReceiveSink* binaryFile_ = nullptr;
};

} // namespace orvane
