#include "replay_trace.h"

#include <algorithm>
#include <sstream>

namespace modara_sim {
namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long daysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

std::optional<Millis> parseStamp(const std::string& date, const std::string& time) {
    int y, mo, d, h, mi, s, ms;
    char tail;
    if (std::sscanf(date.c_str(), "%4d-%2d-%2d%c", &y, &mo, &d, &tail) != 3) return std::nullopt;
    if (std::sscanf(time.c_str(), "%2d:%2d:%2d.%3d%c", &h, &mi, &s, &ms, &tail) != 4)
        return std::nullopt;
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 60 || ms < 0)
        return std::nullopt;
    const long days = daysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d));
    return ((days * 24 + h) * 60 + mi) * 60000L + s * 1000L + ms;
}

} // namespace

ParsedTrace parseTrace(const std::string& text) {
    ParsedTrace parsed;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string date, time, direction, hex;
        words >> date >> time >> direction;
        auto fail = [&](const std::string& why) {
            parsed.error = "line " + std::to_string(number) + ": " + why;
            return parsed;
        };
        const auto stamp = parseStamp(date, time);
        if (!stamp) return fail("expected a time stamp YYYY-MM-DD HH:MM:SS.mmm");
        if (direction != "host" && direction != "modem") return fail("expected host or modem");
        TraceLine entry{*stamp, direction == "modem", {}};
        while (words >> hex) {
            const auto byte = parseHexByte(hex);
            if (!byte) return fail("not a hex byte: " + hex);
            entry.bytes.push_back(*byte);
        }
        parsed.lines.push_back(std::move(entry));
    }
    return parsed;
}

ReplayPlayer::ReplayPlayer(const std::vector<TraceLine>& lines, Millis now) {
    std::size_t host = 0;
    for (const TraceLine& line : lines) {
        if (line.fromModem) {
            chunks_.push_back({line.time, host, line.bytes});
        } else if (!line.bytes.empty()) {
            host += line.bytes.size();
            hostMarks_.push_back({host, line.time});
        }
    }
    if (!lines.empty()) anchor(lines.front().time, now);
}

void ReplayPlayer::anchor(Millis traceTime, Millis now) {
    anchorTrace_ = traceTime;
    anchorReal_ = now;
}

std::size_t ReplayPlayer::hostNeeded(const Chunk& chunk) const {
    return chunk.hostBefore > hostShortfall_ ? chunk.hostBefore - hostShortfall_ : 0;
}

Millis ReplayPlayer::dueByTime(const Chunk& chunk) const {
    return anchorReal_ + std::max<Millis>(chunk.time - anchorTrace_, 0);
}

void ReplayPlayer::receive(std::size_t size, Millis now) {
    hostReceived_ += size;
    // The spacing that follows counts from the recorded moment of these bytes.
    const std::size_t inTrace = hostReceived_ + hostShortfall_;
    auto mark = std::lower_bound(hostMarks_.begin(), hostMarks_.end(), inTrace,
                                 [](const HostMark& m, std::size_t n) { return m.total < n; });
    if (mark == hostMarks_.end() && !hostMarks_.empty()) --mark;
    if (mark != hostMarks_.end() && mark->time >= anchorTrace_) anchor(mark->time, now);
    tick(now);
}

void ReplayPlayer::tick(Millis now) {
    while (next_ < chunks_.size()) {
        const Chunk& chunk = chunks_[next_];
        const Millis due = dueByTime(chunk);
        if (now < due) return;
        const std::size_t needed = hostNeeded(chunk);
        if (hostReceived_ < needed) {
            if (now < due + kHostWait) return;
            hostShortfall_ += needed - hostReceived_;
        }
        output_.insert(output_.end(), chunk.bytes.begin(), chunk.bytes.end());
        anchor(chunk.time, now);
        ++next_;
    }
}

std::optional<Millis> ReplayPlayer::nextDue() const {
    if (finished()) return std::nullopt;
    const Chunk& chunk = chunks_[next_];
    const Millis due = dueByTime(chunk);
    return hostReceived_ < hostNeeded(chunk) ? due + kHostWait : due;
}

Bytes ReplayPlayer::takeOutput() {
    Bytes taken;
    taken.swap(output_);
    return taken;
}

} // namespace modara_sim
