#pragma once

#include "protocol/status/StatusHandlers.h"

namespace orvane {

// The main path: every status item the routing thread delivers.
class StatusDispatcher final : public StatusHandlers {
public:
    explicit StatusDispatcher(const StatusDispatchContext& context)
        : StatusHandlers(context, kMainPathRules) {}
};

// Statuses met by the readers of in-band sequences and binary file headers,
// which take the RxQueue themselves while routing is held.
class InBandStatusDispatcher final : public StatusHandlers {
public:
    explicit InBandStatusDispatcher(const StatusDispatchContext& context)
        : StatusHandlers(context, kInBandPathRules) {}
};

} // namespace orvane
