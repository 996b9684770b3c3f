#include "app/handshake/ModemHandshake.h"

#include "app/handshake/SelfTest.h"
#include "app/handshake/VersionTexts.h"
#include "protocol/CommandBuilders.h"

#include <cstdlib>
#include <string>

namespace orvane {
namespace {

constexpr int kAnyItem = -1;

std::uint8_t lowByte(std::int32_t item) {
    return static_cast<std::uint8_t>(item & 0xFF);
}

} // namespace

ModemHandshake::ModemHandshake(HandshakeLink& link, Clock& clock, Prompter& prompter,
                               ProcessExit& processExit, Sound& sound, FirmwareLoader loadFirmware)
    : link_(link), clock_(clock), prompter_(prompter), processExit_(processExit), sound_(sound),
      loadFirmware_(std::move(loadFirmware)) {
    if (!loadFirmware_) loadFirmware_ = [] { return false; };
}

HandshakeResult ModemHandshake::run() {
    using enum CommandCode;
    HandshakeResult result;
    for (;;) {
        sendAndDrain(SW1_OFF);
        sendAndDrain(SW6_OFF);
        link_.rxQueue().dequeue(); // one stale item from before the port was ours
        sendAndDrain(MODE_FSK_PREP);

        const std::optional<std::int8_t> selfTest = runSelfTest();
        if (selfTest) {
            if (actOnSelfTest(*selfTest) == SelfTestStep::FirmwareDownloaded) {
                result.outcome = HandshakeOutcome::FirmwareDownloaded;
                return result;
            }
            break;
        }
        // A silent modem: another port, and everything again from the start.
        if (!link_.chooseAnotherPort()) {
            result.outcome = HandshakeOutcome::PortChoiceCancelled;
            return result;
        }
    }

    readIdentity(result.identity);

    link_.reapplyLineConfiguration();
    link_.ensureThreadsRunning();
    result.identity.ModemInitialised = true;
    link_.clearRoutingPaused();
    result.outcome = HandshakeOutcome::Succeeded;
    return result;
}

// Each reply is read after the queue has been emptied, except the boot
// version's, which follows the ID query at once.
void ModemHandshake::readIdentity(ModemIdentity& id) {
    using enum CommandCode;
    RxQueue& rx = link_.rxQueue();

    rx.clear();
    const Reply productId = query(QUERY_ID, "6");
    id.ProductId = hexPairText(productId.first, productId.second);
    drain();

    const Reply boot = query(QUERY_VERSION_X, "5");
    id.BootVersion = bootVersionText(boot.first, boot.second);

    rx.clear();
    const Reply hardware = query(QUERY_PRODUCT, "7");
    id.HardwareVersion = hexPairText(hardware.first, hardware.second);
    link_.setXonXoffFilter(usesXonXoffFilter(id.HardwareVersion));

    rx.clear();
    const Reply lod = query(QUERY_VERSION_V, "3");
    id.LodVersion = firmwareVersionText(lod.first, lod.second);
    id.QuoralWaveform = quoralWaveformText(lod.first);

    rx.clear();
    const Reply s28 = query(QUERY_VERSION_W, "4");
    id.S28Version = firmwareVersionText(s28.first, s28.second);
    id.QuoralWaveform = quoralWaveformText(s28.first);
}

void ModemHandshake::send(CommandCode code) {
    link_.sendCommand(command(code));
}

void ModemHandshake::sendAndDrain(CommandCode code) {
    send(code);
    drain();
}

// Woken by the transmit thread's empty message once the driver has sent all.
// A line that never drains is given up after the answer limit; the query
// that follows then finds no answer.
void ModemHandshake::drain() {
    clock_.waitUntil([this] { return link_.pendingOutput() <= 0; }, kAnswerLimitSeconds * 1000);
}

// The limit is counted in whole seconds of the tick count, as the modem's
// answer times have always been judged.
bool ModemHandshake::limitReached(std::int64_t since) const {
    return clock_.tickMs() >= limitTick(since);
}

std::int64_t ModemHandshake::limitTick(std::int64_t since) const {
    return (since / 1000 + kAnswerLimitSeconds) * 1000;
}

// Takes items until one matches (any item when matchLowByte is kAnyItem) and
// returns its low byte; nothing once the limit counted from `since` is reached.
std::optional<std::uint8_t> ModemHandshake::awaitItem(std::int64_t since, int matchLowByte) {
    RxQueue& rx = link_.rxQueue();
    for (;;) {
        const std::optional<std::int32_t> item = rx.dequeue();
        if (item && (matchLowByte == kAnyItem || lowByte(*item) == matchLowByte))
            return lowByte(*item);
        if (limitReached(since)) return std::nullopt;
        if (!item) {
            RxQueue::ConsumerWake wakeOnItems(rx);
            clock_.waitUntil([&rx] { return rx.count() > 0; },
                             static_cast<int>(limitTick(since) - clock_.tickMs()));
        }
    }
}

// The echo of the query (status or data item alike), then the result code.
// The code is awaited within the same limit: taking "whatever is there"
// right after the echo would pass a faulty modem whose code is a moment late.
std::optional<std::int8_t> ModemHandshake::runSelfTest() {
    const std::int64_t sentAt = clock_.tickMs();
    send(CommandCode::QUERY_SELFTEST);
    if (!awaitItem(sentAt, codeByte(CommandCode::QUERY_SELFTEST)))
        return std::nullopt;
    const std::optional<std::uint8_t> code = awaitItem(sentAt, kAnyItem);
    if (!code) return std::nullopt;
    return static_cast<std::int8_t>(*code);
}

ModemHandshake::SelfTestStep ModemHandshake::actOnSelfTest(std::int8_t code) {
    using Action = SelfTestVerdict::Action;
    const SelfTestVerdict verdict = judgeSelfTest(code);
    switch (verdict.action) {
    case Action::Continue:
        return SelfTestStep::Passed;
    case Action::EndProgram:
        sound_.beep();
        prompter_.message("", verdict.message, PromptIcon::None, PromptButtons::Ok);
        endForModemFault();
    case Action::OfferReload:
        break;
    }
    const PromptAnswer answer =
        prompter_.message("ERROR", verdict.message, PromptIcon::Stop, PromptButtons::OkCancel);
    if (answer == PromptAnswer::Ok) {
        // A download ends the program; a cancelled file choice carries on.
        return loadFirmware_() ? SelfTestStep::FirmwareDownloaded : SelfTestStep::Passed;
    }
    link_.setRts(false);
    link_.setDtr(false);
    if (verdict.hideOnCancel) link_.hideMainWindow();
    endProcess();
}

void ModemHandshake::endForModemFault() {
    link_.setRts(false);
    link_.setDtr(false);
    link_.hideMainWindow();
    endProcess();
}

// exitNow never returns; the compiler does not see that through the virtual
// call, hence the abort that is never reached.
void ModemHandshake::endProcess() {
    processExit_.exitNow(0);
    std::abort();
}

// The modem answers a query with its code and two bytes. Items before the
// code are leftovers and skipped. The reply bytes are awaited within the same
// limit as the code, so a modem that stops halfway is not waited for forever.
ModemHandshake::Reply ModemHandshake::query(CommandCode code, std::string_view failureNumber) {
    send(code);
    const std::int64_t sentAt = clock_.tickMs();
    std::optional<std::uint8_t> first, second;
    if (awaitItem(sentAt, codeByte(code))) {
        first = awaitItem(sentAt, kAnyItem);
        if (first) second = awaitItem(sentAt, kAnyItem);
    }
    if (!second) {
        prompter_.message("ERROR",
                          "(" + std::string(failureNumber) +
                              ")Modara not responding!\n\nReset modem, and check power and cables.",
                          PromptIcon::Stop, PromptButtons::Ok);
        link_.hideMainWindow();
        endProcess();
    }
    return {*first, *second};
}

} // namespace orvane
