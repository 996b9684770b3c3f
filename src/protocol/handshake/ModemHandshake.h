#pragma once

#include "platform/Clock.h"
#include "platform/ProcessExit.h"
#include "platform/Prompter.h"
#include "platform/Sound.h"
#include "protocol/CommandCode.h"
#include "protocol/handshake/HandshakeLink.h"
#include "protocol/handshake/ModemIdentity.h"
#include "sequence/Task.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace orvane {

enum class HandshakeOutcome {
    Succeeded,
    // The operator cancelled the port dialog: start-up ends.
    PortChoiceCancelled,
    // The self-test asked for a firmware reload and a download ran; the
    // loader ends the program, start-up must not go on.
    FirmwareDownloaded,
};

struct HandshakeResult {
    HandshakeOutcome outcome = HandshakeOutcome::PortChoiceCancelled;
    ModemIdentity identity;
    bool succeeded() const { return outcome == HandshakeOutcome::Succeeded; }
};

class SequenceRunner;

// Runs the firmware loader; true when it carried out a download, false when
// the operator cancelled its file choice.
using FirmwareLoader = std::function<Task<bool>()>;

// Checks that a modem is on the port, acts on its self-test and reads its
// identity. A sequence of the start-up: the window keeps working while it
// waits for the modem's answers. Every failure but a cancelled port choice
// ends the process from in here.
class ModemHandshake {
public:
    static constexpr int kAnswerLimitSeconds = 25;

    ModemHandshake(HandshakeLink& link, Clock& clock, SequenceRunner& sequences, Prompter& prompter,
                   ProcessExit& processExit, Sound& sound, FirmwareLoader loadFirmware);

    Task<HandshakeResult> run();

private:
    struct Reply {
        std::uint8_t first;
        std::uint8_t second;
    };
    enum class SelfTestStep { Passed, FirmwareDownloaded };

    Task<> send(CommandCode code);
    Task<> sendAndDrain(CommandCode code);
    Task<> drain();
    bool limitReached(std::int64_t since) const;
    Task<std::optional<std::uint8_t>> awaitItem(std::int64_t since, int matchLowByte);
    std::int64_t limitTick(std::int64_t since) const;
    Task<std::optional<std::int8_t>> runSelfTest();
    Task<SelfTestStep> actOnSelfTest(std::int8_t code);
    Task<> readIdentity(ModemIdentity& id);
    Task<Reply> query(CommandCode code, std::string_view failureNumber);
    [[noreturn]] void endForModemFault();
    [[noreturn]] void endProcess();

    HandshakeLink& link_;
    Clock& clock_;
    SequenceRunner& sequences_;
    Prompter& prompter_;
    ProcessExit& processExit_;
    Sound& sound_;
    FirmwareLoader loadFirmware_;
};

} // namespace orvane
