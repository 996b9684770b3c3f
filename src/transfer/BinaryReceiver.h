#pragma once

#include "monitor/TransferProgress.h"
#include "serial/ReceiveRouting.h"
#include "transfer/FileExpansion.h"
#include "transfer/FileHeader.h"
#include "transfer/TransferContext.h"
#include "transfer/TransferFiles.h"

#include <atomic>
#include <memory>

namespace orvane {

class Timer;

// The receiving side of a binary transfer: answers a header with the ready
// reply (resuming a partial file) or a refusal, captures the data into the
// partial file, and on the end marker expands or moves it to its final name
// in the download folder and reports the result.
//
// The remote station is not trusted: names never leave the download folder,
// nothing there is overwritten, sizes are checked, an expansion never writes
// more than the size announced, and a file that cannot be written or does
// not come out at its announced size is a failure. Every failure is reported
// once, with its reason, and a partial file without data is not left behind.
class BinaryReceiver final : public BinaryReceiveSink, private ExpansionDone {
public:
    // No data for this long after a failed write: the rest of the stream has passed.
    static constexpr int kDrainQuietMs = 3000;

    // `receiveActive` is the routing flag BinaryReceiveActive.
    // A received file is expanded by `expansion`, away from the window's thread.
    BinaryReceiver(const TransferContext& context, ExpansionRunner& expansion,
                   std::atomic<bool>& receiveActive);
    ~BinaryReceiver() override;

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

    // A file's data is arriving.
    bool BinaryReceiveActive() const { return state_ == State::Receiving; }
    // From the header to the result (the expansion included).
    bool busy() const { return state_ == State::Receiving || state_ == State::Expanding; }
    BinaryReceiveCounters counters() const;

private:
    enum class State {
        Idle,
        Receiving, // the data goes into the partial file
        Draining,  // the file failed; what the sender had under way is dropped
        Expanding, // the end marker came; the expansion runs
    };

    void setState(State state);
    void refuse(std::uint8_t code);
    bool store(std::uint8_t byte);
    void dropAfterFailure();
    void armQuietTimer(std::int64_t ms);
    void quietTimerFired();
    void stalled();
    void writeFailed();
    // A stored file (method NONE) to its final name: why not, or nothing.
    std::string moveIntoPlace();
    void startExpansion();
    void expansionFinished(const CodecRun& run) override;
    // The partial file closed, and removed when it holds nothing; what the
    // operator is told about it.
    std::string closePartial();
    // The result to the sender, the panel and the session log.
    void reportResult(bool complete, const std::string& reason = {});
    void showOutcome(bool complete, const std::string& reason);
    void endUnfinished(const std::string& reason);
    void showProgress();
    // A complete file, kept in the download folder: the operator may move it
    // elsewhere. Then the session log hears of it under its final name.
    void offerToSave();
    // The operator's choice: where the file ends up.
    std::filesystem::path saveWhereChosen();

    TransferContext c_;
    ExpansionRunner& expansion_;
    std::atomic<bool>& active_;
    std::unique_ptr<Timer> quietTimer_;
    State state_ = State::Idle;
    CheckedHeader header_;
    std::unique_ptr<TransferFile> partial_;
    std::filesystem::path partialPath_;
    std::filesystem::path finalPath_;
    std::filesystem::path saveDir_; // where the operator last saved a received file
    std::int64_t byteCount_ = 0;
    std::int64_t dropped_ = 0; // bytes let pass after a failure
    std::int64_t startSeconds_ = 0;
    std::int64_t lastDataMs_ = 0;
};

} // namespace orvane
