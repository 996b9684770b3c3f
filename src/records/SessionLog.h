#pragma once

#include "records/FileTransferReport.h"
#include "records/SentTextDecoder.h"
#include "records/SessionLogFile.h"
#include "records/TextLine.h"
#include "serial/WireTap.h"

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace orvane {

class Clock;
class Prompter;
class Timer;
struct LinkState;

// The log of every session, kept without asking: each line received, each
// line sent (as it left for the modem, not as it was typed), each link's start
// and end with the other station's call, and each file sent or received, with
// its UTC time, in one file a UTC day (see SessionLogFile).
//
// The receive path only adds a character to a line in memory; the lines are
// written by the user-interface thread every kWriteIntervalMs.
class SessionLog final : public WireTap, public FileTransferReport {
public:
    static constexpr int kWriteIntervalMs = 250;
    // What the transmit thread may leave before the user-interface thread takes it.
    static constexpr std::size_t kMaxUntakenSentBytes = 64 * 1024;

    SessionLog(std::filesystem::path folder, Clock& clock, const LinkState& link,
               Prompter& prompter);
    ~SessionLog() override;

    // Off: nothing is kept, and what was waiting is written first.
    void setEnabled(bool on);
    bool enabled() const { return enabled_; }

    // A character shown in the receive pane as received. User-interface thread.
    void received(char c);
    // The bytes that left the transmit queue for the modem. Any thread.
    void record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept override;

    // FileTransferReport
    void fileSent(const std::string& name, std::uint64_t size, TransferOutcome outcome) override;
    void fileReceived(const std::string& name, std::uint64_t size, TransferOutcome outcome,
                      const std::string& reason) override;

    // Takes the sent bytes, notes link changes and writes the finished lines.
    void writeNow();
    // Writes the unfinished lines too (the console closes).
    void close();
    // The console closes with the link still up after asking the modem to end
    // it: the link's end is noted, unconfirmed.
    void linkEndUnconfirmed();

    std::filesystem::path todaysFile() const;

private:
    using Time = std::chrono::system_clock::time_point;
    void add(Time time, std::string text);
    void noteLinkChange();
    void finishPartialLines();
    void takeSentBytes();

    Clock& clock_;
    const LinkState& link_;
    SessionLogFile file_;
    std::unique_ptr<Timer> writeTimer_;
    bool enabled_ = true;
    bool linkWasUp_ = false;
    bool linkEndNoted_ = false; // the console's own note: the link is over for this log
    std::string linkedCall_;

    TextLine receivedLine_;
    TextLine sentLine_;
    SentTextDecoder sentDecoder_;
    std::vector<SessionLogFile::Line> finished_;

    std::mutex sentLock_; // the transmit thread's bytes, until writeNow takes them
    std::vector<std::uint8_t> sentBytes_;
    bool sentOn_ = true;
};

} // namespace orvane
