#pragma once
// The operator at the other end of a link: hears the console's text line by line and, when
// told to (a queued reply, or the automatic answer mode for demos), answers each finished
// line. The answer goes out with the turn handed over: the console's station is IRS while
// the other operator sends, and ISS again afterwards.

#include "byte_text.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace modara_sim {

class OperatorPlay {
public:
    // STATE_EVENT parameters the console reads: it sends (ISS) or receives (IRS).
    static constexpr std::uint8_t kIss = 14;
    static constexpr std::uint8_t kIrs = 15;

    // The next finished line is answered with this text.
    void queueReply(Bytes text) { replies_.push_back(std::move(text)); }
    // Every finished line is answered, by a queued reply or else by "R R " and the line.
    void setAutoAnswer(bool on) { autoAnswer_ = on; }

    // One byte the console put on the air; true when it finished a line that is answered.
    bool hear(std::uint8_t byte);
    // The answer to the line just finished (only after hear() said so).
    Bytes takeAnswer();
    // The link has ended: a half-heard line is forgotten, queued replies stay.
    void linkEnded() { line_.clear(); }

private:
    std::deque<Bytes> replies_;
    bool autoAnswer_ = false;
    Bytes line_;
    Bytes lastLine_;
};

} // namespace modara_sim
