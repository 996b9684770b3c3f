// The statuses that feed the statistics and tuning windows.
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/StatusHandlers.h"
#include "protocol/status/StatusRecords.h"

#include <algorithm>

namespace orvane {

Task<> StatusHandlers::tuneLevels() {
    const auto items = co_await readFixed<8>();
    // The levels are every other item; the ones between carry nothing we use.
    auto& current = ctx_.records.tuneLevels.current;
    for (std::size_t channel = 0; channel < current.size(); ++channel)
        current[channel] = items[2 * channel];
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowTuneLevels();
}

Task<> StatusHandlers::linkStatistics() {
    const auto items = co_await readFixed<14>();
    std::copy(items.begin(), items.end(), ctx_.records.linkStats.begin());
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowLinkStatistics();
}

Task<> StatusHandlers::modulationReport() {
    const auto items = co_await readFixed<4>();
    auto& records = ctx_.records;
    std::copy(items.begin(), items.end(), records.modReport.begin());
    records.statsFresh = true;
    ctx_.monitor.ShowModulations();

    const int bias = records.modReport[2] & 0x03;
    records.biasMax = std::max(records.biasMax, bias);
    static constexpr const char* kBiasNames[] = {"ROBUST", "NORMAL", "FAST"};
    if (ctx_.link.linkUp && records.biasMax < 3)
        ctx_.surface.setPanel(panel::Event, kBiasNames[records.biasMax]);

    if (ctx_.monitor.StatsLogging() && records.statsFresh) ctx_.monitor.LogStatistics();
}

Task<> StatusHandlers::freqOffset() {
    const auto items = co_await readFixed<1>();
    ctx_.records.freqOffset = static_cast<std::int8_t>(items[0]);
    ctx_.records.statsFresh = true;
    ctx_.monitor.ShowFreqOffset();
    closeFaxPanel();
}

} // namespace orvane
