#include "serial/ReceiveRouting.h"

#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"

namespace orvane {

namespace {
constexpr std::int32_t kInBandStart = 0x01;
constexpr std::int32_t kBinaryPadding = 0x00;
} // namespace

Route routeFor(std::int32_t item, const RoutingFlags& flags) {
    if (RxQueue::isStatus(item)) return Route::StatusDispatcher;
    if (flags.EchoMode) return Route::ReceivedChar;
    if (item == kInBandStart) return Route::InBandHandler;
    if (flags.BinaryReceiveActive)
        return item == kBinaryPadding ? Route::Dropped : Route::BinaryFile;
    return Route::ReceivedChar;
}

} // namespace orvane
