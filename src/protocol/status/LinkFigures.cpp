#include "protocol/status/LinkFigures.h"

#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/StatusRecords.h"

#include <algorithm>

namespace orvane {

void LinkFigures::tuneLevels(const std::array<std::uint8_t, 8>& items) {
    // The levels are every other item; the ones between carry nothing we use.
    auto& current = records_.tuneLevels.current;
    for (std::size_t channel = 0; channel < current.size(); ++channel)
        current[channel] = items[2 * channel];
    records_.statsFresh = true;
    monitor_.ShowTuneLevels();
}

void LinkFigures::linkStatistics(const std::array<std::uint8_t, 14>& items) {
    std::copy(items.begin(), items.end(), records_.linkStats.begin());
    records_.statsFresh = true;
    monitor_.ShowLinkStatistics();
}

int LinkFigures::modulationReport(const std::array<std::uint8_t, 4>& items) {
    std::copy(items.begin(), items.end(), records_.modReport.begin());
    records_.statsFresh = true;
    monitor_.ShowModulations();
    const int bias = records_.modReport[2] & 0x03;
    records_.biasMax = std::max(records_.biasMax, bias);
    return records_.biasMax;
}

void LinkFigures::freqOffset(std::uint8_t item) {
    records_.freqOffset = static_cast<std::int8_t>(item);
    records_.statsFresh = true;
    monitor_.ShowFreqOffset();
}

void LinkFigures::stateEvent(std::uint8_t event) {
    records_.modReport[4] = event;
    records_.statsFresh = true;
}

void LinkFigures::cqEvent(std::uint8_t event) {
    records_.linkStats[15] = event;
    records_.statsFresh = true;
}

void LinkFigures::logIfFresh() {
    if (monitor_.StatsLogging() && records_.statsFresh) monitor_.LogStatistics();
}

void LinkFigures::clearLink() {
    std::fill_n(records_.linkStats.begin(), 14, std::uint8_t{0});
    std::fill_n(records_.modReport.begin(), 4, std::uint8_t{0});
    clearTuneLevels();
}

void LinkFigures::clearTuneLevels() {
    records_.tuneLevels.current = {};
}

} // namespace orvane
