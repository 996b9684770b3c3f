// The statuses that feed the statistics and tuning windows.
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/StatusHandlers.h"
#include "protocol/status/StatusRecords.h"

#include <algorithm>

namespace orvane {

void StatusHandlers::tuneLevels() {
    const auto items = readFixed<8>();
    if (!items) return;
    // The levels are every other item; the ones between carry nothing we use.
    auto& current = ctx_.records.tuneLevels.current;
    for (std::size_t channel = 0; channel < current.size(); ++channel)
        current[channel] = (*items)[2 * channel];
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowTuneLevels();
}

void StatusHandlers::linkStatistics() {
    const auto items = readFixed<14>();
    if (!items) return;
    std::copy(items->begin(), items->end(), ctx_.records.linkStats.begin());
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowLinkStatistics();
}

void StatusHandlers::modulationReport() {
    const auto items = readFixed<4>();
    if (!items) return;
    auto& records = ctx_.records;
    std::copy(items->begin(), items->end(), records.modReport.begin());
    records.statsFresh = true;
    ctx_.monitor.ShowModulations();

    const int bias = records.modReport[2] & 0x03;
    records.biasMax = std::max(records.biasMax, bias);
    static constexpr const char* kBiasNames[] = {"ROBUST", "NORMAL", "FAST"};
    if (ctx_.link.linkUp && records.biasMax < 3)
        ctx_.surface.setPanel(panel::Event, kBiasNames[records.biasMax]);

    if (ctx_.monitor.StatsLogging() && records.statsFresh) ctx_.monitor.LogStatistics();
}

void StatusHandlers::freqOffset() {
    const auto items = readFixed<1>();
    if (!items) return;
    ctx_.records.freqOffset = static_cast<std::int8_t>((*items)[0]);
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowFreqOffset();
    closeFaxPanel();
}

} // namespace orvane
