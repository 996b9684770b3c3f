#include "transfer/BinarySender.h"

#include "monitor/ReceiveProgress.h"
#include "platform/Prompter.h"
#include "records/FileTransferReport.h"
#include "serial/EchoCounter.h"
#include "transfer/FileHeader.h"
#include "transfer/FileXferView.h"
#include "transfer/TransferLine.h"
#include "transfer/TransferLog.h"
#include "transfer/TransferTiming.h"
#include "transfer/WireEscaping.h"

#include <algorithm>

namespace orvane {

namespace {
// The header's separators cannot travel inside a name.
std::string NameForHeader(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char ch) { return ch == inband::kFieldEnd || ch == inband::kSequenceEnd; }, '_');
    return name;
}
} // namespace

void BinarySender::start(std::vector<Path> files) {
    if (files.empty()) return;
    batch_ = std::move(files);
    nextIndex_ = 1;
    readyWait_ = true; // typed text waits from here on
    if (!prepare(batch_.front(), "&Abort")) return;
    // The header goes once what was queued before it has left; an abort or a
    // stop meanwhile ends the send before it.
    c_.line.whenEmpty([this] {
        if (!readyWait_) return;
        sendActive_ = true;
        sendHeader();
    });
}

bool BinarySender::prepare(const Path& source, const std::string& buttonCaption) {
    name_ = source.filename().string();
    fileSize_ = c_.files.fileSize(source).value_or(0);
    temporary_ = c_.files.createTemporaryBeside(source);
    if (!temporary_ || !c_.files.implode(source, *temporary_).ok()) {
        c_.prompter.message("ERROR", "PKLIB Implode failed!", PromptIcon::Stop, PromptButtons::Ok);
        dropTemporaryFile();
        readyWait_ = false;
        sendActive_ = false;
        return false;
    }
    dataPos_ = 0;
    progressPos_ = 0;
    endSent_ = false;
    dataSize_ = c_.files.fileSize(*temporary_).value_or(0);
    if (dataSize_ < fileSize_) {
        method_ = std::string(kMethodPklib);
        dataPath_ = *temporary_;
    } else {
        method_ = std::string(kMethodNone);
        dataSize_ = fileSize_;
        dropTemporaryFile();
        dataPath_ = source;
    }
    startSeconds_ = c_.timing.restart(0);
    c_.view.setResult("");
    c_.view.setButton(buttonCaption, false);
    c_.view.showTransfer({"Sending Binary File", name_, std::to_string(fileSize_),
                          std::to_string(dataSize_), method_, dataPos_, dataSize_, dataPos_});
    return true;
}

void BinarySender::sendHeader() {
    const Bytes header = EncodeHeader(
        {NameForHeader(name_), std::to_string(fileSize_), std::to_string(dataSize_), method_});
    c_.line.sendBytes(header);
}

void BinarySender::readyReceived(const std::string& offsetText) {
    if (!readyWait_) return;
    readyWait_ = false;
    c_.view.setXferGaugeMax(dataSize_);
    const auto offset = ParseReadyOffset(offsetText);
    // The receiver cannot hold more than we announced.
    if (!offset || *offset > dataSize_) {
        c_.line.sendBytes(InBandSequence(inband::kCancelled));
        endWithResult(false);
        return;
    }
    data_ = c_.files.openRead(dataPath_);
    if (data_ && *offset != 0 && !data_->seek(*offset)) {
        c_.line.sendBytes(InBandSequence(inband::kCancelled));
        endWithResult(false);
        return;
    }
    if (data_) {
        if (*offset != 0) {
            c_.view.setXferBytes(std::to_string(dataPos_));
            dataPos_ = *offset;
            progressPos_ = *offset;
            c_.timing.restart(*offset);
        }
        pumpActive_ = true;
        sendActive_ = true;
    }
    c_.line.sendCommand(CommandCode::SW9_ON);
    echoes_.reset();
}

void BinarySender::dataPhasePass() {
    if (!pumpActive_ || endSent_ || c_.line.pendingBytes() > 0) return;
    Bytes out;
    for (int n = 0; n < kBytesPerPass && dataPos_ < dataSize_; ++n) {
        const auto byte = data_ ? data_->readByte() : std::nullopt;
        if (!byte) { // the file shrank or cannot be read: the receiver must not wait
            c_.line.sendBytes(InBandSequence(inband::kCancelled));
            endWithResult(false);
            return;
        }
        AppendFileData(out, *byte);
        ++dataPos_;
        ++progressPos_;
    }
    if (dataPos_ >= dataSize_) {
        data_.reset();
        dropTemporaryFile();
        const Bytes end = InBandSequence(inband::kEndOfFile);
        out.insert(out.end(), end.begin(), end.end());
        endSent_ = true;
    }
    echoes_.add(static_cast<int>(out.size()));
    c_.line.sendBytes(out);
}

void BinarySender::progressStep() {
    if (!sendActive_ || progressPos_ <= 0) return;
    const std::int64_t now = c_.timing.seconds();
    c_.view.setXferBytes(std::to_string(ShownBytes(progressPos_, fileSize_, dataSize_)));
    c_.view.setXferTime(XferTimeText(now - startSeconds_));
    if (auto rate = c_.timing.throughput(progressPos_, now, fileSize_, dataSize_))
        c_.view.setXferTput(std::to_string(*rate));
    c_.view.setXferGauge(progressPos_);
    if (progressPos_ >= dataSize_) {
        c_.view.setXferBytes(std::to_string(fileSize_));
        c_.view.setXferGauge(dataSize_);
        progressPos_ = 0;
    }
}

void BinarySender::complete() {
    if (!awaitingResult()) return; // a result before our end marker is not one
    c_.view.setButton("O&K", false);
    c_.view.setResult("Complete!");
    pumpActive_ = false;
    log(true);
    nextFileOrEnd();
}

void BinarySender::nextFileOrEnd() {
    if (nextIndex_ >= batch_.size()) {
        sendActive_ = false;
        return;
    }
    if (!prepare(batch_[nextIndex_++], "&Abort Transfer")) return;
    c_.line.sendCommand(CommandCode::SW1_OFF);
    c_.line.sendCommand(CommandCode::SW6_OFF);
    c_.line.sendCommand(CommandCode::SW9_OFF);
    sendHeader();
    readyWait_ = true;
    c_.line.sendCommand(CommandCode::SW1_ON);
    c_.line.sendCommand(CommandCode::SW6_ON);
}

void BinarySender::failed() {
    if (!sendActive_) return;
    endWithResult(false);
}

void BinarySender::endWithResult(bool complete) {
    c_.view.setButton("O&K", false);
    c_.view.setResult(complete ? "Complete!" : "Failed!");
    log(complete);
    giveUp();
}

void BinarySender::refused() {
    if (!readyWait_) return;
    abandon();
    c_.view.hidePanel();
    c_.prompter.message("Transfer Failure", "File already exists at receiving station",
                        PromptIcon::None, PromptButtons::Ok);
}

void BinarySender::cancelled() {
    abandon();
    c_.view.hidePanel();
}

void BinarySender::abort() {
    abandon();
}

void BinarySender::stop() {
    abandon();
}

void BinarySender::abandon() {
    if (readyWait_ || pumpActive_ || sendActive_)
        c_.report.fileSent(name_, static_cast<std::uint64_t>(fileSize_), TransferOutcome::Failed);
    giveUp();
}

void BinarySender::giveUp() {
    readyWait_ = false;
    pumpActive_ = false;
    sendActive_ = false;
    endSent_ = false;
    data_.reset();
    dropTemporaryFile();
    batch_.clear();
    nextIndex_ = 0;
}

void BinarySender::log(bool complete) {
    c_.files.appendText(
        c_.programDir / kTransferLogName,
        TransferLogLine(c_.timing.localTime(), name_, method_, fileSize_, complete));
    c_.report.fileSent(name_, static_cast<std::uint64_t>(fileSize_),
                       complete ? TransferOutcome::Complete : TransferOutcome::Failed);
}

void BinarySender::dropTemporaryFile() {
    if (temporary_) c_.files.remove(*temporary_);
    temporary_.reset();
}

} // namespace orvane
