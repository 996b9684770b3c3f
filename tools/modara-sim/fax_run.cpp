#include "fax_run.h"

namespace modara_sim {

namespace {

constexpr std::uint8_t kStart = 0x01;
constexpr std::uint8_t kFax = 0x0C;

Bytes report(std::uint8_t code) {
    return {kStart, kFax, code};
}

void appendBigEndian(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::vector<FaxReport> faxReports(const FaxRun& run) {
    std::vector<FaxReport> reports;
    auto add = [&](Bytes data) {
        reports.push_back({std::move(data), reports.empty() ? 0 : run.interval});
    };
    add(report(0x90));
    Bytes direction = report(run.sending ? 0x91 : 0x92);
    direction.insert(direction.end(), run.station.begin(), run.station.end());
    direction.push_back(0x02);
    add(std::move(direction));
    const int steps = run.steps < 1 ? 1 : run.steps;
    for (int i = 1; i <= steps; ++i) {
        Bytes progress = report(0x93);
        appendBigEndian(progress, static_cast<std::uint32_t>(std::uint64_t{run.total} *
                                                             static_cast<std::uint64_t>(i) /
                                                             static_cast<std::uint64_t>(steps)));
        progress.push_back(0x08);
        appendBigEndian(progress, run.total);
        progress.push_back(0x02);
        add(std::move(progress));
    }
    add(report(run.success ? 0x94 : 0x95));
    add(report(0x99));
    return reports;
}

} // namespace modara_sim
