#pragma once
// Plays the modem's side of a wire trace that the console saved: the lines
// marked "modem" go back on the line with their original spacing, each once
// the console has sent as many bytes as it had sent before that line in the
// trace. A console that stays quieter than the recorded one (the operator
// does not repeat every action) holds a line back at most kHostWait.

#include "byte_text.h"
#include "sim_time.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace modara_sim {

struct TraceLine {
    Millis time = 0; // since the epoch, UTC
    bool fromModem = false;
    Bytes bytes;
};

struct ParsedTrace {
    std::vector<TraceLine> lines;
    std::string error; // "line N: ..." for the first bad line
};

// "2026-12-09 14:05:09.042 modem 80 02 00"; '#' lines and blank lines are skipped.
ParsedTrace parseTrace(const std::string& text);

class ReplayPlayer {
public:
    static constexpr Millis kHostWait = 3000;

    ReplayPlayer(const std::vector<TraceLine>& lines, Millis now);

    // Bytes read from the console.
    void receive(std::size_t size, Millis now);
    // Puts out every modem line that has come due.
    void tick(Millis now);
    std::optional<Millis> nextDue() const;
    Bytes takeOutput();
    bool finished() const { return next_ >= chunks_.size(); }

private:
    struct Chunk {
        Millis time;
        std::size_t hostBefore; // console bytes in the trace before this line
        Bytes bytes;
    };
    struct HostMark {
        std::size_t total; // console bytes up to and including this line
        Millis time;
    };
    Millis dueByTime(const Chunk& chunk) const;
    std::size_t hostNeeded(const Chunk& chunk) const;
    void anchor(Millis traceTime, Millis now);

    std::vector<Chunk> chunks_;
    std::vector<HostMark> hostMarks_;
    std::size_t next_ = 0;
    std::size_t hostReceived_ = 0;
    std::size_t hostShortfall_ = 0; // console bytes the recorded console sent and ours did not
    Millis anchorTrace_ = 0;        // a trace time ...
    Millis anchorReal_ = 0;         // ... and when it happened here
    Bytes output_;
};

} // namespace modara_sim
