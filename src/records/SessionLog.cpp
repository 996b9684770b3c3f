#include "records/SessionLog.h"

#include "platform/Clock.h"
#include "protocol/link/LinkState.h"

namespace orvane {
namespace {

std::string fileText(const char* way, const std::string& name, std::uint64_t size,
                     TransferOutcome outcome, const std::string& reason = {}) {
    return std::string("FILE ") + way + " " + name + " (" + std::to_string(size) + " bytes, " +
           (outcome == TransferOutcome::Complete ? "complete" : "failed") +
           (reason.empty() ? "" : ": " + reason) + ")";
}

} // namespace

SessionLog::SessionLog(std::filesystem::path folder, Clock& clock, const LinkState& link,
                       Prompter& prompter)
    : clock_(clock), link_(link), file_(std::move(folder), prompter),
      writeTimer_(clock.createTimer("SessionLogTimer", kWriteIntervalMs)), linkWasUp_(link.linkUp) {
    writeTimer_->setHandler([this] { writeNow(); });
    writeTimer_->start();
}

SessionLog::~SessionLog() {
    close();
}

void SessionLog::setEnabled(bool on) {
    if (on == enabled_) return;
    if (!on) close();
    enabled_ = on;
    linkWasUp_ = link_.linkUp;
    sentDecoder_ = {};
    std::lock_guard guard(sentLock_);
    sentBytes_.clear();
    sentOn_ = on;
}

void SessionLog::received(char c) {
    if (!enabled_) return;
    // What left for the modem before this character arrived comes first: an
    // answer is never logged before the line it answers.
    takeSentBytes();
    noteLinkChange(); // a link's first text comes after its start
    const Time now = clock_.now();
    if (auto line = receivedLine_.add(c, now)) add(receivedLine_.startedAt(), "RX " + *line);
}

void SessionLog::record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept {
    if (direction != WireDirection::ToModem) return;
    std::lock_guard guard(sentLock_);
    if (!sentOn_) return;
    const std::size_t room =
        kMaxUntakenSentBytes - std::min(sentBytes_.size(), kMaxUntakenSentBytes);
    sentBytes_.insert(sentBytes_.end(), bytes.begin(),
                      bytes.begin() + std::min(room, bytes.size()));
}

void SessionLog::fileSent(const std::string& name, std::uint64_t size, TransferOutcome outcome) {
    if (enabled_) add(clock_.now(), fileText("sent", name, size, outcome));
}

void SessionLog::fileReceived(const std::string& name, std::uint64_t size, TransferOutcome outcome,
                              const std::string& reason) {
    if (enabled_) add(clock_.now(), fileText("received", name, size, outcome, reason));
}

void SessionLog::writeNow() {
    if (!enabled_) return;
    takeSentBytes();
    noteLinkChange();
    if (finished_.empty()) return;
    file_.write(finished_);
    finished_.clear();
}

void SessionLog::close() {
    if (!enabled_) return;
    takeSentBytes();
    noteLinkChange();
    finishPartialLines();
    writeNow();
}

void SessionLog::linkEndUnconfirmed() {
    if (!enabled_) return;
    takeSentBytes();
    noteLinkChange();
    if (!linkWasUp_) return;
    finishPartialLines();
    linkWasUp_ = false;
    linkEndNoted_ = true;
    add(clock_.now(), "LINK end " + linkedCall_ + " (the modem did not report it)");
}

std::filesystem::path SessionLog::todaysFile() const {
    return file_.fileFor(clock_.now());
}

void SessionLog::add(Time time, std::string text) {
    finished_.push_back({time, std::move(text)});
}

void SessionLog::noteLinkChange() {
    if (linkEndNoted_ || link_.linkUp == linkWasUp_) return;
    linkWasUp_ = link_.linkUp;
    // Text of the link belongs before its end; text before a link before its start.
    finishPartialLines();
    if (linkWasUp_) linkedCall_ = link_.linkedCall.empty() ? "(no call)" : link_.linkedCall;
    add(clock_.now(), std::string("LINK ") + (linkWasUp_ ? "start " : "end ") + linkedCall_);
}

void SessionLog::finishPartialLines() {
    if (!receivedLine_.empty()) {
        const Time start = receivedLine_.startedAt();
        add(start, "RX " + receivedLine_.take());
    }
    if (!sentLine_.empty()) {
        const Time start = sentLine_.startedAt();
        add(start, "TX " + sentLine_.take());
    }
}

void SessionLog::takeSentBytes() {
    std::vector<std::uint8_t> bytes;
    {
        std::lock_guard guard(sentLock_);
        bytes.swap(sentBytes_);
    }
    const Time now = clock_.now();
    for (std::uint8_t wire : bytes) {
        const auto data = sentDecoder_.decode(wire);
        if (!data) continue;
        if (auto line = sentLine_.add(static_cast<char>(*data), now))
            add(sentLine_.startedAt(), "TX " + *line);
    }
}

} // namespace orvane
