#include "app/StatusWiring.h"

namespace orvane {

StatusWiring::StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                           Callbacks callbacks)
    : callbacks_(std::move(callbacks)) {
    timers_ = std::make_unique<SupervisionTimers>(clock, link_, surface,
                                                  static_cast<SupervisionHooks&>(*this));
    StatusDispatchContext context{queue,
                                  clock,
                                  sound,
                                  link_,
                                  records_,
                                  *timers_,
                                  surface,
                                  static_cast<MonitorDisplays&>(*this),
                                  static_cast<ReceiveSide&>(*this),
                                  static_cast<ConsoleActivities&>(*this),
                                  StatusSettings{callbacks_.amtorEndOfLine, callbacks_.pmodeEndOfLine}};
    dispatcher_ = std::make_unique<StatusDispatcher>(context);
    inBand_ = std::make_unique<InBandStatusDispatcher>(context);
}

StatusWiring::~StatusWiring() = default;

} // namespace orvane
