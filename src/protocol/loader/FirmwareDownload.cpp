#include "protocol/loader/FirmwareDownload.h"

#include "platform/Clock.h"
#include "platform/ProcessExit.h"
#include "platform/Prompter.h"
#include "protocol/LoaderCommands.h"
#include "protocol/handshake/ModemIdentity.h"
#include "protocol/loader/ImageChunks.h"
#include "sequence/SequenceRunner.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <span>

namespace orvane {
namespace {

constexpr std::uint8_t kPrepared = 0x84;
constexpr std::uint8_t kLoadStarted = 0x6A;
constexpr std::uint8_t kEraseStarted = 0x0F;
constexpr std::uint8_t kEraseFailed = 0x02;
constexpr std::uint8_t kReportStart = 0x02;
constexpr std::uint8_t kReportMark = 0x80;
constexpr std::uint8_t kSuccess = 0x0A;
constexpr int kAnswerSettleMs = 100;
constexpr int kModemRestartMs = 5000;
// A line that takes each chunk at once still leaves the window a turn this
// often, so the gauge moves and Abort is heard.
constexpr int kWindowTurnMs = 50;
constexpr const char* kErrorCaption = "Download Error";
constexpr const char* kResultCaption = "Download Result";

struct StepInfo {
    const char* doing;
    int limitMs;
};

// How long each answer may take. Erasing and programming the flash take the
// modem a while; the rest is answered at once.
StepInfo stepInfo(FirmwareDownload::Step step) {
    using enum FirmwareDownload::Step;
    switch (step) {
    case Prepare: return {"preparing for the download", 5000};
    case LoadStart: return {"starting the loader", 5000};
    case EraseStart: return {"starting the erase", 5000};
    case Erase: return {"erasing the flash memory", 30000};
    case Result: return {"writing the image into the flash memory", 60000};
    }
    return {"", 0};
}

std::string silentModemText(FirmwareDownload::Step step) {
    const StepInfo info = stepInfo(step);
    return "Modem not responding!\n\nNo answer while " + std::string(info.doing) + " within " +
           std::to_string(info.limitMs / 1000) + " seconds.\n\nOrvane will now close.";
}

FileDialogRequest imageRequest() {
    FileDialogRequest request;
    request.title = "Select Firmware File To Upload ...";
    request.filters = {"Firmware files (*.lod *.s28)", "All files (*)"};
    request.selectedFilter = 0;
    request.mustExist = true;
    return request;
}

} // namespace

// GCC 12 builds a co_await on a task inside an if condition wrongly (the task
// never runs): results are taken into a local first.

int FirmwareDownload::limitMs(Step step) {
    return stepInfo(step).limitMs;
}

void FirmwareDownload::start() {
    if (queued_) return;
    queued_ = true;
    p_.runner.start("firmware download", [this]() -> Task<> {
        queued_ = false;
        co_await run();
    });
}

Task<> FirmwareDownload::run() {
    std::optional<Closing> closing;
    try {
        co_await load();
    } catch (const Ending& ending) {
        closing = ending.closing;
    }
    // A handler may not wait, so the closing sequence comes after it.
    if (closing) co_await closingSequence(*closing);
}

Task<> FirmwareDownload::load() {
    firstPass_ = true;
    for (;;) {
        const std::optional<std::string> chosen = p_.prompter.openFile(imageRequest());
        if (!chosen) {
            if (firstPass_) co_return;
            endDownload(Closing::WithRestartMessage);
        }
        if (!std::ifstream(*chosen, std::ios::binary)) {
            p_.prompter.message("Orvane", "Cannot open input file.", PromptIcon::Stop,
                                PromptButtons::Ok);
            // After a download the console is no longer fit to go on.
            if (!firstPass_) endDownload(Closing::WithRestartMessage);
            p_.port.clearRoutingPaused();
            co_return;
        }
        const bool succeeded = co_await download(*chosen);
        if (!succeeded) {
            p_.prompter.message(kErrorCaption, "Firmware download failed!", PromptIcon::Stop,
                                PromptButtons::Ok);
            endDownload(Closing::Plain);
        }
        const PromptAnswer another =
            p_.prompter.message(kResultCaption, "Firmware download success! Download another?",
                                PromptIcon::Exclamation, PromptButtons::YesNo);
        if (another != PromptAnswer::Yes) endDownload(Closing::WithRestartMessage);
    }
}

Task<bool> FirmwareDownload::download(std::filesystem::path image) {
    p_.port.suspendSerialThreads();
    co_await p_.runner.until([this] { return p_.port.serialThreadsParked(); }, kParkLimitMs);
    if (!p_.port.serialThreadsParked())
        fail("The serial port could not be taken over for the download.\n\nOrvane will now close.");
    co_await prepareModem();
    p_.view.showPanel(image.filename().string());
    co_await erase(isLodImage(image));
    co_await stream(image);

    const std::uint8_t result = co_await awaitResult();
    if (result != kSuccess) co_return false;

    p_.view.showResetting();
    co_await write(loaderShutdown().bytes());
    co_await p_.runner.pause(kModemRestartMs);
    p_.port.setLineRate(kNormalRate);
    p_.port.setRts(true);
    p_.port.setDtr(true);
    p_.view.hidePanel();
    co_return true;
}

Task<> FirmwareDownload::prepareModem() {
    if (p_.identity.ModemInitialised) {
        co_await writeOrFail(loaderFskPrep().bytes());
        co_await awaitByte(kPrepared, Step::Prepare);
    }
    co_await writeOrFail(loaderLoadStart().bytes());
    co_await p_.runner.pause(kAnswerSettleMs);
    co_await awaitByte(kLoadStarted, Step::LoadStart);
    if (!p_.port.setLineRate(kDownloadRate))
        fail("The serial port cannot run at 57600 bit/s.\n\nOrvane will now close.");
    p_.port.setRts(true);
    p_.port.setDtr(true);
    firstPass_ = false;
}

Task<> FirmwareDownload::erase(bool lodImage) {
    co_await writeOrFail(loaderErase().bytes());
    co_await p_.runner.pause(kAnswerSettleMs);
    co_await awaitByte(kEraseStarted, Step::EraseStart);
    const ModemCommand type = loaderImageType(lodImage);
    co_await writeOrFail(type.bytes());
    co_await p_.runner.pause(kAnswerSettleMs);
    co_await awaitByte(type.bytes().back(), Step::Erase, kEraseFailed);
}

Task<> FirmwareDownload::stream(std::filesystem::path image) {
    std::error_code error;
    const auto length = std::filesystem::file_size(image, error);
    if (error) fail("File Open Failure! (open)");
    const auto total = static_cast<std::int64_t>(length);
    p_.view.setGauge(0, total);
    ImageChunks chunks(image);
    if (!chunks.isOpen()) fail("File Open Failure! (fopen)");
    p_.view.clearAbort();
    p_.view.setBusy(true);

    std::int64_t sent = 0;
    std::int64_t lastTurn = p_.runner.nowMs();
    // Abort is looked at after every chunk.
    while (!chunks.atEnd() && !p_.view.abortRequested()) {
        std::vector<std::uint8_t> chunk = chunks.next();
        if (chunks.failed()) fail("Firmware download failed!\n\nThe image file could not be read.");
        if (!chunk.empty()) {
            const auto size = static_cast<std::int64_t>(chunk.size());
            // A byte the line does not take would leave a hole in the flash.
            bool taken = co_await write(std::move(chunk));
            if (taken) taken = co_await drained();
            if (!taken)
                fail(
                    "Firmware download failed!\n\nThe serial port stopped taking the image after " +
                    std::to_string(sent) + " of " + std::to_string(total) + " bytes.");
            sent += size;
            p_.view.setGauge(sent, total);
        }
        if (p_.runner.nowMs() - lastTurn >= kWindowTurnMs) {
            co_await p_.runner.pause(0);
            lastTurn = p_.runner.nowMs();
        }
    }
    if (p_.view.abortRequested()) endDownload(Closing::WithRestartMessage);
}

Task<std::uint8_t> FirmwareDownload::awaitResult() {
    const std::int64_t deadline = p_.runner.nowMs() + limitMs(Step::Result);
    std::uint8_t byte = 0;
    do {
        byte = co_await nextByte(Step::Result, deadline);
    } while (byte != kReportStart);
    do {
        byte = co_await nextByte(Step::Result, deadline);
    } while (byte != kReportMark);
    const std::uint8_t result = co_await nextByte(Step::Result, deadline);
    p_.view.setBusy(false);
    co_return result;
}

Task<bool> FirmwareDownload::write(std::vector<std::uint8_t> bytes) {
    std::span<const std::uint8_t> left(bytes);
    bool refused = false;
    co_await p_.runner.until(
        [&] {
            if (!left.empty()) {
                const std::optional<std::size_t> taken = p_.port.tryWrite(left);
                if (taken)
                    left = left.subspan(*taken);
                else
                    refused = true;
            }
            return refused || left.empty();
        },
        kWriteLimitMs);
    co_return !refused && left.empty();
}

Task<bool> FirmwareDownload::drained() {
    co_await p_.runner.until([this] { return p_.port.allSent(); }, kWriteLimitMs);
    co_return p_.port.allSent();
}

Task<> FirmwareDownload::writeOrFail(std::vector<std::uint8_t> bytes) {
    const bool taken = co_await write(std::move(bytes));
    if (!taken)
        fail("The serial port does not take the loader's commands.\n\nOrvane will now close.");
}

Task<> FirmwareDownload::awaitByte(std::uint8_t wanted, Step step, int failure) {
    const std::int64_t deadline = p_.runner.nowMs() + limitMs(step);
    for (;;) {
        const std::uint8_t byte = co_await nextByte(step, deadline);
        if (byte == wanted) co_return;
        if (byte == failure) {
            p_.prompter.message(kErrorCaption, "Flash memory erase failed!", PromptIcon::Stop,
                                PromptButtons::Ok);
            endProgram();
        }
    }
}

Task<std::uint8_t> FirmwareDownload::nextByte(Step step, std::int64_t deadline) {
    std::optional<std::uint8_t> byte;
    const std::int64_t left = deadline - p_.runner.nowMs();
    if (left > 0)
        co_await p_.runner.until([&] { return (byte = p_.port.tryRead()).has_value(); },
                                 static_cast<int>(left));
    if (!byte) fail(silentModemText(step));
    co_return *byte;
}

void FirmwareDownload::fail(const std::string& message) {
    p_.prompter.message(kErrorCaption, message, PromptIcon::Stop, PromptButtons::Ok);
    endDownload(Closing::Plain);
}

void FirmwareDownload::endDownload(Closing closing) {
    throw Ending{closing};
}

Task<> FirmwareDownload::closingSequence(Closing closing) {
    if (closing == Closing::WithRestartMessage)
        p_.prompter.message(kResultCaption, "You must now restart Orvane.", PromptIcon::Information,
                            PromptButtons::Ok);
    co_await write(loaderShutdown().bytes());
    co_await p_.runner.pause(kAnswerSettleMs);
    p_.port.setRts(false);
    p_.port.setDtr(false);
    p_.port.close();
    endProgram();
}

// exitNow never returns; the compiler does not see that through the virtual
// call, hence the abort that is never reached.
void FirmwareDownload::endProgram() {
    p_.processExit.exitNow(0);
    std::abort();
}

} // namespace orvane
