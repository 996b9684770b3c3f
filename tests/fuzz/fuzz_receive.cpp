// libFuzzer target: bytes from the modem through the receive decoder, the
// routing decision and the status dispatchers with their follow-on readers.
// The first byte picks the flow-control filter, the routing flags and which
// dispatcher (the main one or the in-band one) handles the statuses.
#include "protocol/status/StatusHarness.h"
#include "serial/ReceiveRouting.h"
#include "serial/RoutingFlags.h"
#include "serial/RxDecoder.h"

#include <algorithm>

using namespace orvane;
using namespace orvane::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mode = data[0];
    XonXoffFilter filter;
    filter.set(mode & 1);
    RoutingFlags flags;
    flags.EchoMode = (mode & 2) != 0;
    flags.BinaryReceiveActive = (mode & 4) != 0;
    const Path path = (mode & 8) ? Path::InBand : Path::Main;

    StatusHarness harness;
    // The ring holds 4096 items; a longer stream would wait for a reader.
    const std::size_t end = std::min<std::size_t>(size, RxQueue::kCapacity);
    RxDecoder decoder(filter);
    for (std::size_t i = 1; i < end; ++i)
        if (const auto item = decoder.decode(data[i])) harness.queue.enqueue(*item);

    // Each status takes its follow-on items from what is queued behind it; one
    // still waiting when the stream ends stays unfinished, as when routing stops.
    while (const auto item = harness.queue.dequeue()) {
        if (routeFor(*item, flags) == Route::StatusDispatcher)
            harness.dispatch(path, static_cast<std::uint8_t>(*item & 0xFF));
    }
    return 0;
}
