#include "periodic_reports.h"

#include "status_table.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace modara_sim {

namespace {

std::uint8_t signedByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}
constexpr std::uint8_t kNormalBias = 1;
std::uint8_t modulation(unsigned number) {
    return static_cast<std::uint8_t>(number << 2 | kNormalBias);
}

// A repeatable wobble in [-1, 1] for round n and channel k.
double noise(unsigned n, unsigned k) {
    std::uint32_t x = n * 2654435761u ^ (k + 1) * 40503u;
    x ^= x >> 13;
    x *= 0x5bd1e995u;
    x ^= x >> 15;
    return static_cast<double>(x % 2001) / 1000.0 - 1.0;
}

// One end of the link at round n: a signal that fades in and out over a few
// dozen rounds, and figures that follow it.
struct Station {
    double snrDb;   // 3 to 27 dB
    int freqOffset; // slow drift, about -20 to 20
    unsigned modulationNumber;
    int throughput;
    int phase;
    int ecc;
};

Station station(unsigned n, double phaseShift, unsigned channel) {
    const double t = static_cast<double>(n);
    const double fade = (1.0 + std::sin(t / 9.0 + phaseShift)) / 2.0; // 0 deep fade .. 1 peak
    Station s{};
    s.snrDb = 3.0 + 24.0 * fade + 1.5 * noise(n, channel);
    s.freqOffset = static_cast<int>(
        std::lround(19.0 * std::sin(t / 45.0 + phaseShift) + noise(n, channel + 1)));
    // Better signal, denser modulation: BPSM, QPSM, 8PSM, 16PSM.
    s.modulationNumber = s.snrDb < 9 ? 6 : s.snrDb < 15 ? 7 : s.snrDb < 21 ? 8 : 10;
    s.throughput = static_cast<int>(15 + 3.0 * s.snrDb + 4.0 * noise(n, channel + 2));
    s.phase = static_cast<int>(32 - s.snrDb + 3.0 * noise(n, channel + 3));
    // Below about 5 dB the decoder gives up counting: more than 100 shows as XX.
    s.ecc = s.snrDb < 5
                ? 101 + static_cast<int>(n % 20)
                : static_cast<int>(std::max(0.0, 60 - 2.5 * s.snrDb + 3 * noise(n, channel + 4)));
    return s;
}

} // namespace

std::vector<Report> statisticsRound(unsigned n) {
    Station local = station(n, 0.0, 0);
    const Station remote = station(n, 2.1, 10);
    // Each end sees the other off by the same amount, the other way round.
    local.freqOffset = -remote.freqOffset;
    Bytes linkStats{0,
                    byte(static_cast<int>(local.snrDb * 2)), // S/N in half dB
                    0,
                    signedByte(local.freqOffset),
                    byte(local.throughput),
                    byte(local.phase),
                    byte(local.ecc),
                    0,
                    byte(static_cast<int>(remote.snrDb * 2)),
                    0,
                    signedByte(remote.freqOffset),
                    byte(remote.throughput),
                    byte(remote.phase),
                    byte(remote.ecc)};
    // Four receive channels fading together with a little spread between them.
    Bytes tuneLevels;
    const double fade = (1.0 + std::sin(static_cast<double>(n) / 9.0)) / 2.0;
    for (unsigned channel = 0; channel < 4; ++channel) {
        tuneLevels.push_back(
            byte(static_cast<int>(135 + 75 * fade - 6.0 * channel + 6 * noise(n, 20 + channel))));
        tuneLevels.push_back(0);
    }
    Bytes modulations{modulation(local.modulationNumber), 0, modulation(remote.modulationNumber),
                      0};
    return {{status::TuneLevels, tuneLevels},
            {status::LinkStatistics, linkStats},
            {status::ModulationReport, modulations},
            {status::FreqOffset, {signedByte(local.freqOffset)}}};
}

bool PeriodicReports::Timer::fire(Millis now) {
    if (now < next) return false;
    next += interval;
    if (next <= now) next = now + interval; // after a stall, carry on without a burst
    return true;
}

void PeriodicReports::setStatistics(std::optional<Millis> interval, Millis now) {
    statistics_.reset();
    if (interval) statistics_ = Timer{*interval, now + *interval};
}

void PeriodicReports::setCq(std::optional<Millis> interval, const std::string& sign, Millis now) {
    cq_.reset();
    cqSign_ = sign;
    if (interval) cq_ = Timer{*interval, now + *interval};
}

std::vector<Report> PeriodicReports::due(Millis now) {
    std::vector<Report> reports;
    if (statistics_ && statistics_->fire(now)) reports = statisticsRound(round_++);
    if (cq_ && cq_->fire(now)) {
        Bytes text(cqSign_.begin(), cqSign_.end());
        text.push_back(0x00);
        reports.push_back({status::CqFrom, text});
    }
    return reports;
}

std::optional<Millis> PeriodicReports::nextDue() const {
    std::optional<Millis> next;
    for (const auto& timer : {statistics_, cq_})
        if (timer && (!next || timer->next < *next)) next = timer->next;
    return next;
}

} // namespace modara_sim
