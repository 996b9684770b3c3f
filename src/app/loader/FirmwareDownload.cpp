#include "app/loader/FirmwareDownload.h"

#include "app/handshake/ModemIdentity.h"
#include "app/loader/ImageChunks.h"
#include "platform/Clock.h"
#include "platform/ProcessExit.h"
#include "platform/Prompter.h"
#include "protocol/LoaderCommands.h"

#include <cstdlib>
#include <fstream>

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

int FirmwareDownload::limitMs(Step step) { return stepInfo(step).limitMs; }

void FirmwareDownload::Load() {
    firstPass_ = true;
    for (;;) {
        const std::optional<std::string> chosen = p_.prompter.openFile(imageRequest());
        if (!chosen) {
            if (firstPass_) return;
            closingSequence(Closing::WithRestartMessage);
        }
        if (!std::ifstream(*chosen, std::ios::binary)) {
            p_.prompter.message("Orvane", "Cannot open input file.", PromptIcon::Stop, PromptButtons::Ok);
            // After a download the console is no longer fit to go on.
            if (!firstPass_) closingSequence(Closing::WithRestartMessage);
            p_.port.clearRoutingPaused();
            return;
        }
        if (!download(*chosen)) {
            p_.prompter.message(kErrorCaption, "Firmware download failed!", PromptIcon::Stop,
                                PromptButtons::Ok);
            closingSequence(Closing::Plain);
        }
        const PromptAnswer another =
            p_.prompter.message(kResultCaption, "Firmware download success! Download another?",
                                PromptIcon::Exclamation, PromptButtons::YesNo);
        if (another != PromptAnswer::Yes) closingSequence(Closing::WithRestartMessage);
    }
}

bool FirmwareDownload::download(const std::filesystem::path& image) {
    if (!p_.port.suspendSerialThreads())
        fail("The serial port could not be taken over for the download.\n\nOrvane will now close.");
    prepareModem();
    p_.view.showPanel(image.filename().string());
    erase(isLodImage(image));
    stream(image);

    const std::uint8_t result = awaitResult();
    if (result != kSuccess) return false;

    p_.view.showResetting();
    p_.port.write(loaderShutdown().bytes(), kWriteLimitMs);
    p_.port.pause(kModemRestartMs);
    p_.port.setLineRate(kNormalRate);
    p_.port.setRts(true);
    p_.port.setDtr(true);
    p_.view.hidePanel();
    return true;
}

void FirmwareDownload::prepareModem() {
    if (p_.identity.ModemInitialised) {
        writeOrFail(loaderFskPrep().bytes());
        awaitByte(kPrepared, Step::Prepare);
    }
    writeOrFail(loaderLoadStart().bytes());
    p_.port.pause(kAnswerSettleMs);
    awaitByte(kLoadStarted, Step::LoadStart);
    if (!p_.port.setLineRate(kDownloadRate))
        fail("The serial port cannot run at 57600 bit/s.\n\nOrvane will now close.");
    p_.port.setRts(true);
    p_.port.setDtr(true);
    firstPass_ = false;
}

void FirmwareDownload::erase(bool lodImage) {
    writeOrFail(loaderErase().bytes());
    p_.port.pause(kAnswerSettleMs);
    awaitByte(kEraseStarted, Step::EraseStart);
    const ModemCommand type = loaderImageType(lodImage);
    writeOrFail(type.bytes());
    p_.port.pause(kAnswerSettleMs);
    awaitByte(type.bytes().back(), Step::Erase, kEraseFailed);
}

void FirmwareDownload::stream(const std::filesystem::path& image) {
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
    while (!chunks.atEnd() && !p_.view.abortRequested()) {
        const std::vector<std::uint8_t> chunk = chunks.next();
        if (chunks.failed()) fail("Firmware download failed!\n\nThe image file could not be read.");
        if (!chunk.empty()) {
            // A byte the line does not take would leave a hole in the flash.
            if (!p_.port.write(chunk, kWriteLimitMs) || !p_.port.waitUntilSent(kWriteLimitMs))
                fail("Firmware download failed!\n\nThe serial port stopped taking the image after " +
                     std::to_string(sent) + " of " + std::to_string(total) + " bytes.");
            sent += static_cast<std::int64_t>(chunk.size());
            p_.view.setGauge(sent, total);
        }
        p_.port.processEvents(); // lets Abort be pressed
    }
    if (p_.view.abortRequested()) closingSequence(Closing::WithRestartMessage);
}

std::uint8_t FirmwareDownload::awaitResult() {
    const std::int64_t deadline = p_.clock.tickMs() + limitMs(Step::Result);
    while (nextByte(Step::Result, deadline) != kReportStart) {}
    while (nextByte(Step::Result, deadline) != kReportMark) {}
    const std::uint8_t result = nextByte(Step::Result, deadline);
    p_.view.setBusy(false);
    return result;
}

void FirmwareDownload::writeOrFail(std::span<const std::uint8_t> bytes) {
    if (!p_.port.write(bytes, kWriteLimitMs))
        fail("The serial port does not take the loader's commands.\n\nOrvane will now close.");
}

void FirmwareDownload::awaitByte(std::uint8_t wanted, Step step, int failure) {
    const std::int64_t deadline = p_.clock.tickMs() + limitMs(step);
    for (;;) {
        const std::uint8_t byte = nextByte(step, deadline);
        if (byte == wanted) return;
        if (byte == failure) {
            p_.prompter.message(kErrorCaption, "Flash memory erase failed!", PromptIcon::Stop,
                                PromptButtons::Ok);
            endProgram();
        }
    }
}

std::uint8_t FirmwareDownload::nextByte(Step step, std::int64_t deadline) {
    const std::int64_t left = deadline - p_.clock.tickMs();
    const std::optional<std::uint8_t> byte =
        left > 0 ? p_.port.readByte(static_cast<int>(left)) : std::nullopt;
    if (!byte) fail(silentModemText(step));
    return *byte;
}

void FirmwareDownload::fail(const std::string& message) {
    p_.prompter.message(kErrorCaption, message, PromptIcon::Stop, PromptButtons::Ok);
    closingSequence(Closing::Plain);
}

void FirmwareDownload::closingSequence(Closing closing) {
    if (closing == Closing::WithRestartMessage)
        p_.prompter.message(kResultCaption, "You must now restart Orvane.", PromptIcon::Information,
                            PromptButtons::Ok);
    p_.port.write(loaderShutdown().bytes(), kWriteLimitMs);
    p_.port.pause(kAnswerSettleMs);
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
