#include "session/StatusWiring.h"

namespace orvane {

StatusWiring::StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                           LinkState& link, StatusRecords& records, const StatusSides& sides)
    : figures_(records, sides.monitors) {
    timers_ = std::make_unique<SupervisionTimers>(clock, link, surface, sides.supervision);
    const StatusDispatchContext context{sound,    link,          *timers_,      surface,
                                        figures_, sides.session, sides.settings};
    dispatcher_ = std::make_unique<StatusDispatcher>(queue, context);
    inBand_ = std::make_unique<InBandStatusDispatcher>(queue, context);
}

StatusWiring::~StatusWiring() = default;

} // namespace orvane
