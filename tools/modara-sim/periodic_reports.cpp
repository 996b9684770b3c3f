#include "periodic_reports.h"

#include "status_table.h"

namespace modara_sim {

namespace {
std::uint8_t signedByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t byte(unsigned value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
constexpr std::uint8_t kNormalBias = 1;
std::uint8_t modulation(unsigned number) {
    return byte(number << 2 | kNormalBias);
}
} // namespace

std::vector<Report> statisticsRound(unsigned n) {
    const std::uint8_t remoteOffset = signedByte(2 - static_cast<int>(n % 5));
    Bytes linkStats{0,
                    byte((30 + n % 10) * 2), // local S/N, in half dB
                    0,
                    signedByte(static_cast<int>(n % 7) - 3), // local frequency offset
                    byte(60 + n % 20),                       // local throughput
                    byte(10 + n % 5),                        // local phase
                    byte(n % 4),                             // local ECC
                    0,
                    byte((25 + n % 10) * 2), // remote S/N
                    0,
                    remoteOffset,
                    byte(45 + n % 15),
                    byte(8 + n % 4),
                    byte(n % 3)};
    Bytes tuneLevels{byte(40 + n % 8), 0, byte(44 + n % 6), 0,
                     byte(48 + n % 4), 0, byte(52 + n % 3), 0};
    // BPSM or QPSM here, QPSM to 16PSM at the other end.
    Bytes modulations{modulation(6 + n % 2), 0, modulation(7 + n % 4), 0};
    return {{status::TuneLevels, tuneLevels},
            {status::LinkStatistics, linkStats},
            {status::ModulationReport, modulations},
            {status::FreqOffset, {remoteOffset}}};
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
