#include "transfer/BinaryReceiver.h"

#include "monitor/ReceiveProgress.h"
#include "platform/Prompter.h"
#include "records/FileTransferReport.h"
#include "transfer/FileXferView.h"
#include "transfer/TransferLine.h"
#include "transfer/TransferTiming.h"
#include "transfer/WireEscaping.h"

namespace orvane {

void BinaryReceiver::headerReceived(const FileHeader& sent) {
    // A new header ends whatever was being received.
    partial_.reset();
    active_ = false;

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

    active_ = true;
    startSeconds_ = c_.timing.restart(byteCount_);
    c_.view.setResult("");
    c_.view.setButton("&Abort Transfer", false);
    c_.view.showTransfer({"Receiving Binary File", header_.name, sent.sizeText,
                          sent.compressedSizeText, sent.method, byteCount_, header_.dataSize,
                          byteCount_});
}

void BinaryReceiver::headerOverlong() {
    partial_.reset();
    active_ = false;
    refuse(inband::kFailed);
}

void BinaryReceiver::refuse(std::uint8_t code) {
    c_.line.sendBytes(InBandSequence(code));
    c_.line.sendCommand(CommandCode::SW9_ON);
}

void BinaryReceiver::writeByte(std::uint8_t byte) {
    store(byte);
}

bool BinaryReceiver::store(std::uint8_t byte) {
    if (!active_ || !partial_) return false;
    // Bytes beyond the announced size have no place in the file.
    if (byteCount_ >= header_.dataSize) return false;
    if (!partial_->writeByte(byte)) {
        writeFailed();
        return false;
    }
    ++byteCount_;
    return true;
}

void BinaryReceiver::escapedByte(std::uint8_t code) {
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

// A full disk: the sender hears of it now instead of sending on for nothing.
void BinaryReceiver::writeFailed() {
    partial_.reset();
    active_ = false;
    reportResult(false);
}

void BinaryReceiver::endOfFile() {
    if (!active_) return;
    active_ = false;
    c_.view.setXferBytes(std::to_string(header_.fileSize));
    c_.view.setXferGauge(header_.dataSize);
    const bool flushed = partial_ && partial_->flush();
    partial_.reset();
    const bool complete = flushed && finishFile();
    reportResult(complete);
    if (complete) offerToSave();
}

// The final file is created new (nothing in the download folder is
// replaced) and must come out at the size the header announced.
bool BinaryReceiver::finishFile() {
    if (header_.method == kMethodPklib) {
        const CodecRun run = c_.files.explode(partialPath_, finalPath_);
        const bool whole = run.ok() && c_.files.fileSize(finalPath_) == header_.fileSize;
        c_.files.remove(partialPath_);
        if (run.ok() && !whole) c_.files.remove(finalPath_);
        return whole;
    }
    if (c_.files.fileSize(partialPath_) != header_.fileSize) {
        c_.files.remove(partialPath_);
        return false;
    }
    return c_.files.moveNoReplace(partialPath_, finalPath_);
}

void BinaryReceiver::reportResult(bool complete) {
    c_.line.sendBytes(InBandSequence(complete ? inband::kComplete : inband::kFailed));
    c_.view.setResult(complete ? "Complete!" : "Failed!");
    c_.view.setButton("O&K", true);
    c_.report.fileReceived(header_.name, static_cast<std::uint64_t>(header_.fileSize),
                           complete ? TransferOutcome::Complete : TransferOutcome::Failed);
}

// Cancelling the dialog leaves the file where it arrived.
void BinaryReceiver::offerToSave() {
    FileDialogRequest request;
    request.startFolder = c_.downloadDir.string();
    request.fileName = header_.name;
    // "*.*" would make the dialog put ".*" in place of the name's own extension.
    request.filters = {"All files (*)"};
    request.mustExist = false;
    request.confirmOverwrite = true;
    const auto chosen = c_.prompter.saveFile(request);
    if (!chosen || chosen->empty()) return;
    std::filesystem::path target(*chosen);
    if (target.is_relative()) target = c_.downloadDir / target;
    if (target != finalPath_) c_.files.moveNoReplace(finalPath_, target);
}

void BinaryReceiver::cancelled() {
    // The partial file stays for a resume; this time the file did not arrive.
    if (active_)
        c_.report.fileReceived(header_.name, static_cast<std::uint64_t>(header_.fileSize),
                               TransferOutcome::Failed);
    partial_.reset();
    active_ = false;
}

void BinaryReceiver::stop() {
    cancelled();
}

BinaryReceiveCounters BinaryReceiver::counters() const {
    return {byteCount_, header_.fileSize, header_.dataSize, startSeconds_};
}

} // namespace orvane
