#include "transfer/text/TextFileSend.h"

#include "records/FileTransferReport.h"
#include "serial/EchoCounter.h"
#include "transfer/TransferLine.h"
#include "transfer/text/TextFileView.h"

namespace orvane {

void TextFileSend::start(const std::filesystem::path& file) {
    stop();
    progressPos_ = 0;
    dataPos_ = 0;
    fileSize_ = files_.fileSize(file).value_or(0);
    name_ = file.filename().string();
    file_ = files_.openRead(file);
    if (file_) {
        sendActive_ = true;
        progressActive_ = true;
        view_.noteMenus(MenuEvent::TextSendStarted);
    }
    view_.showProgress("File name: " + file.filename().string(),
                       "File size: " + std::to_string(fileSize_), fileSize_, progressPos_);
}

void TextFileSend::pumpPass() {
    if (!sendActive_) return;
    std::optional<std::uint8_t> byte;
    if (dataPos_ < fileSize_ && line_.pendingBytes() == 0) {
        byte = file_->readByte();
        if (byte) {
            ++dataPos_;
            ++progressPos_;
        } else { // the file shrank under us: what is left is gone
            fileSize_ = dataPos_;
        }
    }
    if (dataPos_ >= fileSize_) finishSending();
    if (!byte) return;
    line_.sendBytes({&*byte, 1});
    if (mode_.countsTowardEcho(*byte)) echoes_.add(1);
}

void TextFileSend::finishSending() {
    report_.fileSent(name_, static_cast<std::uint64_t>(fileSize_), TransferOutcome::Complete);
    file_.reset();
    dataPos_ = 0;
    sendActive_ = false;
    view_.releaseTransmitPane();
    view_.noteMenus(MenuEvent::TextSendFinished);
}

void TextFileSend::progressStep() {
    if (!progressActive_) return;
    if (progressPos_ > 0) view_.setGauge(progressPos_);
    if (progressPos_ < fileSize_) return;
    progressActive_ = false;
    progressPos_ = 0;
    view_.noteMenus(textSendEnded(mode_.operatingMode()));
}

// The window goes even after the send: a finished send leaves it up with a
// full gauge.
void TextFileSend::stop() {
    view_.hideProgress();
    if (!sendActive_ && !progressActive_) return;
    if (sendActive_)
        report_.fileSent(name_, static_cast<std::uint64_t>(fileSize_), TransferOutcome::Failed);
    file_.reset();
    sendActive_ = false;
    progressActive_ = false;
    dataPos_ = 0;
    progressPos_ = 0;
    fileSize_ = 0;
    view_.noteMenus(textSendEnded(mode_.operatingMode()));
}

} // namespace orvane
