#pragma once

#include "transfer/TransferContext.h"
#include "transfer/TransferFiles.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orvane {

class EchoCounter;

// The sending side of a binary transfer: each file of a batch compressed
// (unless that does not make it smaller), announced, sent on the ready reply
// from the offset the receiver holds, closed with the end marker, and logged
// with the receiver's result.
class BinarySender {
public:
    using Path = std::filesystem::path;
    // File bytes handed over in one pass of the data phase: as many as the
    // transmit queue writes at once in Quoral. One byte a pass would tie the
    // file's pace to the round trip through the window messages instead of
    // to the line.
    static constexpr int kBytesPerPass = 10;

    // What goes out is counted in `echoes`, for the modem's echo of it.
    BinarySender(const TransferContext& context, EchoCounter& echoes)
        : c_(context), echoes_(echoes) {}

    // The operator chose these files (at least one).
    void start(std::vector<Path> files);

    // The in-band codes meant for a sender.
    void readyReceived(const std::string& offsetText);
    void refused();  // 0x92
    void complete(); // 0x94
    void failed();   // 0x95
    void cancelled();

    // The abort button while we send: tells the receiver, forgets the file.
    void abort();
    // Stop disk save/send: ends at once, nothing sent.
    void stop();

    // One pass of the data phase (the transmit pump's).
    void dataPhasePass();
    // The 250 ms tick's progress step.
    void progressStep();

    bool ReadyWait() const { return readyWait_; }
    bool BinaryPumpActive() const { return pumpActive_; }
    bool BinarySendActive() const { return sendActive_; }
    bool awaitingResult() const { return endSent_ && pumpActive_; }

private:
    bool prepare(const Path& source, const std::string& buttonCaption);
    void sendHeader();
    void nextFileOrEnd();
    void endWithResult(bool complete);
    void giveUp();
    // The file under way ends unfinished (refused, cancelled, aborted, stopped).
    void abandon();
    // binxfer.log and the session log.
    void log(bool complete);
    void dropTemporaryFile();

    TransferContext c_;
    EchoCounter& echoes_;
    std::vector<Path> batch_;
    std::size_t nextIndex_ = 0;

    bool readyWait_ = false;
    bool pumpActive_ = false;
    bool sendActive_ = false;
    bool endSent_ = false;

    std::string name_;
    std::string method_;
    std::int64_t fileSize_ = 0;
    std::int64_t dataSize_ = 0;
    std::int64_t dataPos_ = 0;
    std::int64_t progressPos_ = 0;
    std::int64_t startSeconds_ = 0;
    Path dataPath_;
    std::optional<Path> temporary_;
    std::unique_ptr<TransferFile> data_;
};

} // namespace orvane
