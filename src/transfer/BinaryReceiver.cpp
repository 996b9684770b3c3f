#include "transfer/BinaryReceiver.h"

#include "config/Settings.h"
#include "monitor/ReceiveProgress.h"
#include "platform/Prompter.h"
#include "records/FileTransferReport.h"
#include "transfer/FileXferView.h"
#include "transfer/TransferLine.h"
#include "transfer/TransferTiming.h"
#include "transfer/WireEscaping.h"

#include <algorithm>

namespace orvane {
namespace {

std::string withKeptFile(const std::string& reason, const std::string& kept) {
    return kept.empty() ? reason : reason + "; " + kept;
}

std::string expansionFailure(const CodecRun& run, std::int64_t announced) {
    switch (run.result) {
    case CodecRun::kTooLarge:
        return "expands beyond the " + std::to_string(announced) + " bytes announced";
    case CodecRun::kFileError: return run.reason;
    case CodecRun::kStopped: return "the expansion was stopped";
    default: return "the compressed data is damaged";
    }
}

} // namespace

BinaryReceiver::BinaryReceiver(const TransferContext& context, ExpansionRunner& expansion,
                               std::atomic<bool>& receiveActive)
    : c_(context), expansion_(expansion), active_(receiveActive),
      quietTimer_(context.timing.createTimer("ReceiveStallTimer", 1000)) {
    quietTimer_->setHandler([this] { quietTimerFired(); });
}

BinaryReceiver::~BinaryReceiver() = default;

void BinaryReceiver::setState(State state) {
    state_ = state;
    // The routing hands us the data bytes while a file arrives, and while the
    // rest of a failed one passes.
    active_ = state == State::Receiving || state == State::Draining;
    if (!active_) quietTimer_->stop();
}

void BinaryReceiver::headerReceived(const FileHeader& sent) {
    // One file at a time: the one before is still being expanded.
    if (state_ == State::Expanding) {
        refuse(inband::kFailed);
        return;
    }
    // A new header ends whatever was being received.
    closePartial();
    setState(State::Idle);

    const auto header = CheckHeader(sent);
    if (!header) {
        refuse(inband::kFailed);
        return;
    }
    header_ = *header;
    finalPath_ = c_.downloadDir / header_.name;
    partialPath_ = c_.downloadDir / PartialName(header_.name);
    if (c_.files.exists(finalPath_)) {
        refuse(inband::kExists);
        return;
    }
    if (!c_.files.exists(partialPath_)) {
        partial_ = c_.files.createNew(partialPath_);
        byteCount_ = 0;
    } else {
        // Opened first: a partial file planted as a link is refused here.
        partial_ = c_.files.openAppend(partialPath_);
        const auto held = c_.files.fileSize(partialPath_);
        if (partial_ && held && *held >= header_.dataSize) {
            partial_.reset();
            refuse(inband::kExists);
            return;
        }
        byteCount_ = held.value_or(0);
    }
    if (!partial_) {
        refuse(inband::kFailed);
        return;
    }
    c_.line.sendBytes(EncodeReady(byteCount_));

    setState(State::Receiving);
    dropped_ = 0;
    lastDataMs_ = c_.timing.nowMs();
    armQuietTimer(c_.timing.stallMs());
    startSeconds_ = c_.timing.restart(byteCount_);
    c_.view.setResult("");
    c_.view.setButton("&Abort Transfer", false);
    c_.view.showTransfer({"Receiving Binary File", header_.name, sent.sizeText,
                          sent.compressedSizeText, sent.method, byteCount_, header_.dataSize,
                          byteCount_});
}

void BinaryReceiver::headerOverlong() {
    if (state_ != State::Expanding) {
        closePartial();
        setState(State::Idle);
    }
    refuse(inband::kFailed);
}

void BinaryReceiver::refuse(std::uint8_t code) {
    c_.line.sendBytes(InBandSequence(code));
    c_.line.sendCommand(CommandCode::SW9_ON);
}

void BinaryReceiver::writeByte(std::uint8_t byte) {
    if (state_ == State::Draining)
        dropAfterFailure();
    else
        store(byte);
}

bool BinaryReceiver::store(std::uint8_t byte) {
    if (state_ != State::Receiving || !partial_) return false;
    // Bytes beyond the announced size have no place in the file.
    if (byteCount_ >= header_.dataSize) return false;
    if (!partial_->writeByte(byte)) {
        writeFailed();
        return false;
    }
    ++byteCount_;
    lastDataMs_ = c_.timing.nowMs();
    return true;
}

// What the sender had under way when it heard of the failure: neither file
// data nor text for the receive pane.
void BinaryReceiver::dropAfterFailure() {
    lastDataMs_ = c_.timing.nowMs();
    // The sender sends no more than it announced.
    if (byteCount_ + ++dropped_ >= header_.dataSize) setState(State::Idle);
}

void BinaryReceiver::escapedByte(std::uint8_t code) {
    if (state_ == State::Draining) {
        dropAfterFailure();
        return;
    }
    if (!store(code == inband::kByteZero ? 0x00 : 0x01)) return;
    if (!partial_->flush()) {
        writeFailed();
        return;
    }
    showProgress();
}

void BinaryReceiver::showProgress() {
    const std::int64_t now = c_.timing.seconds();
    c_.view.setXferBytes(
        std::to_string(ShownBytes(byteCount_, header_.fileSize, header_.dataSize)));
    c_.view.setXferTime(XferTimeText(now - startSeconds_));
    if (auto rate = c_.timing.throughput(byteCount_, now, header_.fileSize, header_.dataSize))
        c_.view.setXferTput(std::to_string(*rate));
    c_.view.setXferGauge(byteCount_);
}

void BinaryReceiver::armQuietTimer(std::int64_t ms) {
    quietTimer_->setInterval(static_cast<int>(ms));
    quietTimer_->start();
}

// Counted from the last byte: the timer runs out at most once a stall time
// while data flows, and is set again for what is left.
void BinaryReceiver::quietTimerFired() {
    if (state_ != State::Receiving && state_ != State::Draining) {
        quietTimer_->stop();
        return;
    }
    const std::int64_t limit = state_ == State::Receiving ? c_.timing.stallMs() : kDrainQuietMs;
    const std::int64_t quiet = c_.timing.nowMs() - lastDataMs_;
    if (quiet < limit) {
        armQuietTimer(limit - quiet);
        return;
    }
    if (state_ == State::Receiving)
        stalled();
    else
        setState(State::Idle); // the rest of the failed file has passed
}

// The stream stopped in the middle: ended as the abort button ends it, and
// said so, so that what the other station sends next is text again.
void BinaryReceiver::stalled() {
    const std::string reason = withKeptFile(
        "nothing arrived for " + std::to_string(c_.timing.stallMs() / 1000) + " s", closePartial());
    setState(State::Idle);
    c_.line.sendBytes(InBandSequence(inband::kCancelled));
    c_.line.sendCommand(CommandCode::SW9_ON);
    showOutcome(false, reason);
}

// A full disk: the sender hears of it now instead of sending on for nothing.
void BinaryReceiver::writeFailed() {
    const std::string error = partial_->error();
    reportResult(false, withKeptFile(error, closePartial()));
    if (byteCount_ >= header_.dataSize) {
        setState(State::Idle);
        return;
    }
    setState(State::Draining);
    lastDataMs_ = c_.timing.nowMs();
    armQuietTimer(kDrainQuietMs);
}

void BinaryReceiver::endOfFile() {
    if (state_ == State::Draining) {
        setState(State::Idle);
        return;
    }
    if (state_ != State::Receiving) return;
    c_.view.setXferBytes(std::to_string(header_.fileSize));
    c_.view.setXferGauge(header_.dataSize);
    if (!partial_->flush()) {
        const std::string error = partial_->error();
        const std::string reason = withKeptFile(error, closePartial());
        setState(State::Idle);
        reportResult(false, reason);
        return;
    }
    partial_.reset();
    if (header_.method == kMethodPklib) {
        startExpansion();
        return;
    }
    setState(State::Idle);
    const std::string failure = moveIntoPlace();
    reportResult(failure.empty(), failure);
    if (failure.empty()) offerToSave();
}

// The final file is created new (nothing in the download folder is
// replaced) and must come out at the size the header announced.
std::string BinaryReceiver::moveIntoPlace() {
    if (c_.files.fileSize(partialPath_) != header_.fileSize) {
        c_.files.remove(partialPath_);
        return "fewer bytes arrived than announced";
    }
    if (!c_.files.moveNoReplace(partialPath_, finalPath_))
        return "it could not be moved to " + finalPath_.lexically_relative(c_.programDir).string();
    return {};
}

void BinaryReceiver::startExpansion() {
    std::unique_ptr<TransferFile> in = c_.files.openRead(partialPath_);
    std::unique_ptr<TransferFile> out = c_.files.createNew(finalPath_);
    if (!in || !out) {
        if (out) {
            out.reset();
            c_.files.remove(finalPath_);
        }
        c_.files.remove(partialPath_);
        setState(State::Idle);
        reportResult(false, "it could not be expanded into " +
                                finalPath_.lexically_relative(c_.programDir).string());
        return;
    }
    setState(State::Expanding);
    expansion_.expand(std::move(in), std::move(out), header_.fileSize, *this);
}

void BinaryReceiver::expansionFinished(const CodecRun& run) {
    setState(State::Idle);
    c_.files.remove(partialPath_);
    std::string failure;
    if (!run.ok())
        failure = expansionFailure(run, header_.fileSize);
    else if (c_.files.fileSize(finalPath_) != header_.fileSize)
        failure = "expands to fewer bytes than announced";
    if (!failure.empty()) c_.files.remove(finalPath_);
    reportResult(failure.empty(), failure);
    if (failure.empty()) offerToSave();
}

std::string BinaryReceiver::closePartial() {
    if (!partial_) return {};
    partial_.reset();
    const std::int64_t held = c_.files.fileSize(partialPath_).value_or(0);
    if (held == 0) {
        c_.files.remove(partialPath_);
        return {};
    }
    return partialPath_.lexically_relative(c_.programDir).string() + " (" + std::to_string(held) +
           " bytes) kept for a resume";
}

void BinaryReceiver::reportResult(bool complete, const std::string& reason) {
    c_.line.sendBytes(InBandSequence(complete ? inband::kComplete : inband::kFailed));
    showOutcome(complete, reason);
}

void BinaryReceiver::showOutcome(bool complete, const std::string& reason) {
    c_.view.setResult(complete ? "Complete!" : "Failed!");
    c_.view.setReason(reason);
    c_.view.setButton("O&K", true);
    // A complete file is logged once the operator has said where it stays.
    if (!complete)
        c_.report.fileReceived(header_.name, static_cast<std::uint64_t>(header_.fileSize),
                               TransferOutcome::Failed, reason);
}

void BinaryReceiver::offerToSave() {
    const std::filesystem::path kept = saveWhereChosen();
    const std::filesystem::path shown =
        kept.parent_path() == c_.downloadDir ? kept.lexically_relative(c_.programDir) : kept;
    c_.report.fileReceived(shown.string(), static_cast<std::uint64_t>(header_.fileSize),
                           TransferOutcome::Complete, {});
}

// The file is already safe in In/, so the question says so, Cancel leaves it
// there, and choosing the file itself is no reason to ask about replacing it.
std::filesystem::path BinaryReceiver::saveWhereChosen() {
    const std::string keptAs = finalPath_.lexically_relative(c_.programDir).string();
    if (saveDir_.empty()) saveDir_ = c_.firstSaveDir;
    FileDialogRequest request;
    request.title = "Kept as " + keptAs + ": move it elsewhere?";
    request.acceptLabel = "&Move here";
    request.cancelLabel = "&Keep in In/";
    request.startFolder = saveDir_.string();
    request.fileName = header_.name;
    // "*.*" would make the dialog put ".*" in place of the name's own extension.
    request.filters = {"All files (*)"};
    request.mustExist = false;
    request.confirmOverwrite = false; // asked below, never about the file itself
    for (;;) {
        const auto chosen = c_.prompter.saveFile(request);
        if (!chosen || chosen->empty()) return finalPath_;
        std::filesystem::path target(*chosen);
        if (target.is_relative()) target = saveDir_ / target;
        target = std::filesystem::absolute(target).lexically_normal();
        if (target == std::filesystem::absolute(finalPath_).lexically_normal()) return finalPath_;
        if (c_.files.fileSize(target)) {
            const PromptAnswer answer = c_.prompter.message(
                "Save received file",
                target.string() + " already exists.\nReplace it with the received " + header_.name +
                    "?",
                PromptIcon::Question, PromptButtons::YesNo);
            request.startFolder = target.parent_path().string();
            if (answer != PromptAnswer::Yes) continue;
            c_.files.remove(target);
        }
        if (!c_.files.moveNoReplace(finalPath_, target)) {
            c_.prompter.message("Save received file",
                                "The file could not be moved to " + target.string() +
                                    ".\nIt stays as " + keptAs + ".",
                                PromptIcon::Exclamation, PromptButtons::Ok);
            return finalPath_;
        }
        saveDir_ = target.parent_path();
        return target;
    }
}

// The partial file stays for a resume; this time the file did not arrive.
// An expansion under way still gives its result.
void BinaryReceiver::endUnfinished(const std::string& reason) {
    if (state_ == State::Expanding) return;
    if (state_ == State::Receiving)
        c_.report.fileReceived(header_.name, static_cast<std::uint64_t>(header_.fileSize),
                               TransferOutcome::Failed, withKeptFile(reason, closePartial()));
    setState(State::Idle);
}

void BinaryReceiver::cancelled() {
    endUnfinished("cancelled");
}

void BinaryReceiver::stop() {
    endUnfinished("stopped");
}

BinaryReceiveCounters BinaryReceiver::counters() const {
    return {byteCount_, header_.fileSize, header_.dataSize, startSeconds_};
}

} // namespace orvane
