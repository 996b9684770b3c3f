#pragma once

namespace orvane {

// Stops and restarts the hand-over of received items to their handlers.
// Items that arrive meanwhile wait in the RxQueue.
class RoutingSwitch {
public:
    virtual ~RoutingSwitch() = default;
    // Handing over items (started and not suspended).
    virtual bool isRouting() const = 0;
    // Takes effect before the next item and returns at once: the item in hand
    // may still need the user-interface thread to finish.
    virtual void requestSuspend() = 0;
    virtual void resume() = 0;
};

} // namespace orvane
