#pragma once

#include "monitor/TransferProgress.h"
#include "serial/ReceiveRouting.h"
#include "transfer/FileHeader.h"
#include "transfer/TransferContext.h"
#include "transfer/TransferFiles.h"

#include <atomic>
#include <memory>

namespace orvane {

// The receiving side of a binary transfer: answers a header with the ready
// reply (resuming a partial file) or a refusal, captures the data into the
// partial file, and on the end marker expands or moves it to its final name
// in the download folder and reports the result.
//
// The remote station is not trusted: names never leave the download folder,
// nothing there is overwritten, sizes are checked, and a file that cannot be
// written or does not come out at its announced size is a failure.
class BinaryReceiver final : public BinaryReceiveSink {
public:
    // `receiveActive` is the routing flag BinaryReceiveActive.
    BinaryReceiver(const TransferContext& context, std::atomic<bool>& receiveActive)
        : c_(context), active_(receiveActive) {}

    void headerReceived(const FileHeader& header);
    // A header that broke its bounds: refused as failed.
    void headerOverlong();
    // 0x90 or 0x91: one data byte 0x00 or 0x01.
    void escapedByte(std::uint8_t code);
    void endOfFile();
    // 0x96 received, or our own abort: the partial file stays for a resume.
    void cancelled();
    // Stop disk save/send.
    void stop();

    // Every other data byte, straight from the routing.
    void writeByte(std::uint8_t byte) override;

    bool BinaryReceiveActive() const { return active_; }
    BinaryReceiveCounters counters() const;

private:
    void refuse(std::uint8_t code);
    bool store(std::uint8_t byte);
    void writeFailed();
    bool finishFile();
    void reportResult(bool complete);
    void showProgress();
    void offerToSave();

    TransferContext c_;
    std::atomic<bool>& active_;
    CheckedHeader header_;
    std::unique_ptr<TransferFile> partial_;
    std::filesystem::path partialPath_;
    std::filesystem::path finalPath_;
    std::int64_t byteCount_ = 0;
    std::int64_t startSeconds_ = 0;
};

} // namespace orvane
