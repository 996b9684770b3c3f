#include "protocol/handshake/ModemHandshake.h"

#include "protocol/CommandBuilders.h"
#include "protocol/handshake/SelfTest.h"
#include "protocol/handshake/VersionTexts.h"
#include "sequence/SequenceRunner.h"

#include <cstdlib>
#include <string>

namespace orvane {
namespace {

constexpr int kAnyItem = -1;

std::uint8_t lowByte(std::int32_t item) {
    return static_cast<std::uint8_t>(item & 0xFF);
}

} // namespace

ModemHandshake::ModemHandshake(HandshakeLink& link, Clock& clock, SequenceRunner& sequences,
                               Prompter& prompter, ProcessExit& processExit, Sound& sound,
                               FirmwareLoader loadFirmware)
    : link_(link), clock_(clock), sequences_(sequences), prompter_(prompter),
      processExit_(processExit), sound_(sound), loadFirmware_(std::move(loadFirmware)) {
    if (!loadFirmware_) loadFirmware_ = []() -> Task<bool> { co_return false; };
}

Task<HandshakeResult> ModemHandshake::run() {
    using enum CommandCode;
    HandshakeResult result;
    for (;;) {
        co_await sendAndDrain(SW1_OFF);
        co_await sendAndDrain(SW6_OFF);
        link_.rxQueue().dequeue(); // one stale item from before the port was ours
        co_await sendAndDrain(MODE_FSK_PREP);

        const std::optional<std::int8_t> selfTest = co_await runSelfTest();
        if (selfTest) {
            const SelfTestStep step = co_await actOnSelfTest(*selfTest);
            if (step == SelfTestStep::FirmwareDownloaded) {
                result.outcome = HandshakeOutcome::FirmwareDownloaded;
                co_return result;
            }
            break;
        }
        // A silent modem: another port, and everything again from the start.
        if (!link_.chooseAnotherPort()) {
            result.outcome = HandshakeOutcome::PortChoiceCancelled;
            co_return result;
        }
    }

    co_await readIdentity(result.identity);

    link_.reapplyLineConfiguration();
    link_.ensureThreadsRunning();
    result.identity.ModemInitialised = true;
    link_.clearRoutingPaused();
    result.outcome = HandshakeOutcome::Succeeded;
    co_return result;
}

// Each reply is read after the queue has been emptied, except the boot
// version's, which follows the ID query at once.
Task<> ModemHandshake::readIdentity(ModemIdentity& id) {
    using enum CommandCode;
    RxQueue& rx = link_.rxQueue();

    rx.clear();
    const Reply productId = co_await query(QUERY_ID, "6");
    id.ProductId = hexPairText(productId.first, productId.second);
    co_await drain();

    const Reply boot = co_await query(QUERY_VERSION_X, "5");
    id.BootVersion = bootVersionText(boot.first, boot.second);

    rx.clear();
    const Reply hardware = co_await query(QUERY_PRODUCT, "7");
    id.HardwareVersion = hexPairText(hardware.first, hardware.second);
    link_.setXonXoffFilter(usesXonXoffFilter(id.HardwareVersion));

    rx.clear();
    const Reply lod = co_await query(QUERY_VERSION_V, "3");
    id.LodVersion = firmwareVersionText(lod.first, lod.second);
    id.QuoralWaveform = quoralWaveformText(lod.first);

    rx.clear();
    const Reply s28 = co_await query(QUERY_VERSION_W, "4");
    id.S28Version = firmwareVersionText(s28.first, s28.second);
    id.QuoralWaveform = quoralWaveformText(s28.first);
}

Task<> ModemHandshake::send(CommandCode code) {
    co_await link_.sendCommand(command(code));
}

Task<> ModemHandshake::sendAndDrain(CommandCode code) {
    co_await send(code);
    co_await drain();
}

// A line that never drains is given up after the answer limit; the query
// that follows then finds no answer.
Task<> ModemHandshake::drain() {
    co_await sequences_.until([this] { return link_.pendingOutput() <= 0; },
                              kAnswerLimitSeconds * 1000);
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
Task<std::optional<std::uint8_t>> ModemHandshake::awaitItem(std::int64_t since, int matchLowByte) {
    RxQueue& rx = link_.rxQueue();
    for (;;) {
        const std::optional<std::int32_t> item = rx.dequeue();
        if (item && (matchLowByte == kAnyItem || lowByte(*item) == matchLowByte))
            co_return lowByte(*item);
        if (limitReached(since)) co_return std::nullopt;
        if (!item)
            co_await sequences_.until([&rx] { return rx.count() > 0; },
                                      static_cast<int>(limitTick(since) - clock_.tickMs()));
    }
}

// The echo of the query (status or data item alike), then the result code.
// The code is awaited within the same limit: taking "whatever is there"
// right after the echo would pass a faulty modem whose code is a moment late.
Task<std::optional<std::int8_t>> ModemHandshake::runSelfTest() {
    const std::int64_t sentAt = clock_.tickMs();
    co_await send(CommandCode::QUERY_SELFTEST);
    const std::optional<std::uint8_t> echo =
        co_await awaitItem(sentAt, codeByte(CommandCode::QUERY_SELFTEST));
    if (!echo) co_return std::nullopt;
    const std::optional<std::uint8_t> code = co_await awaitItem(sentAt, kAnyItem);
    if (!code) co_return std::nullopt;
    co_return static_cast<std::int8_t>(*code);
}

Task<ModemHandshake::SelfTestStep> ModemHandshake::actOnSelfTest(std::int8_t code) {
    using Action = SelfTestVerdict::Action;
    const SelfTestVerdict verdict = judgeSelfTest(code);
    switch (verdict.action) {
    case Action::Continue: co_return SelfTestStep::Passed;
    case Action::EndProgram:
        sound_.beep();
        prompter_.message("", verdict.message, PromptIcon::None, PromptButtons::Ok);
        endForModemFault();
    case Action::OfferReload: break;
    }
    const PromptAnswer answer =
        prompter_.message("ERROR", verdict.message, PromptIcon::Stop, PromptButtons::OkCancel);
    if (answer == PromptAnswer::Ok) {
        // A download ends the program; a cancelled file choice carries on.
        const bool downloaded = co_await loadFirmware_();
        co_return downloaded ? SelfTestStep::FirmwareDownloaded : SelfTestStep::Passed;
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
Task<ModemHandshake::Reply> ModemHandshake::query(CommandCode code,
                                                  std::string_view failureNumber) {
    co_await send(code);
    const std::int64_t sentAt = clock_.tickMs();
    std::optional<std::uint8_t> first, second;
    const std::optional<std::uint8_t> echo = co_await awaitItem(sentAt, codeByte(code));
    if (echo) {
        first = co_await awaitItem(sentAt, kAnyItem);
        if (first) second = co_await awaitItem(sentAt, kAnyItem);
    }
    if (!second) {
        prompter_.message("ERROR",
                          "(" + std::string(failureNumber) +
                              ")Modara not responding!\n\nReset modem, and check power and cables.",
                          PromptIcon::Stop, PromptButtons::Ok);
        link_.hideMainWindow();
        endProcess();
    }
    co_return Reply{*first, *second};
}

} // namespace orvane
