// The statuses that feed the statistics and tuning windows.
#include "protocol/link/ConsoleSurface.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/LinkFigures.h"
#include "protocol/status/StatusHandlers.h"

namespace orvane {

Task<> StatusHandlers::tuneLevels() {
    const auto items = co_await readFixed<8>();
    ctx_.figures.tuneLevels(items);
}

Task<> StatusHandlers::linkStatistics() {
    const auto items = co_await readFixed<14>();
    ctx_.figures.linkStatistics(items);
}

Task<> StatusHandlers::modulationReport() {
    const auto items = co_await readFixed<4>();
    const int biasMax = ctx_.figures.modulationReport(items);
    static constexpr const char* kBiasNames[] = {"ROBUST", "NORMAL", "FAST"};
    if (ctx_.link.linkUp && biasMax < 3) ctx_.surface.setPanel(panel::Event, kBiasNames[biasMax]);
    ctx_.figures.logIfFresh();
}

Task<> StatusHandlers::freqOffset() {
    const auto items = co_await readFixed<1>();
    ctx_.figures.freqOffset(items[0]);
    closeFaxPanel();
}

} // namespace orvane
