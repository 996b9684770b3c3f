#pragma once

#include "protocol/status/StatusHandlers.h"

namespace orvane {

// The main path: every status item the routing thread delivers.
class StatusDispatcher final : public StatusHandlers {
public:
    StatusDispatcher(RxQueue& queue, const StatusDispatchContext& context)
        : StatusHandlers(queue, context, kMainPathRules) {}
};

// Statuses met inside an in-band sequence or a binary file header, which
// its reader awaits before it goes on.
class InBandStatusDispatcher final : public StatusHandlers {
public:
    InBandStatusDispatcher(RxQueue& queue, const StatusDispatchContext& context)
        : StatusHandlers(queue, context, kInBandPathRules) {}
};

} // namespace orvane
