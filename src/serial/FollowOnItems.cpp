#include "serial/FollowOnItems.h"

#include <utility>

namespace orvane {

void FollowOnItems::start(Task<> handler) {
    reader_ = {};
    handler_ = std::move(handler);
    handler_.resume();
    endIfDone();
}

void FollowOnItems::feed(std::int32_t item) {
    if (!reader_) return;
    item_ = item;
    std::exchange(reader_, {}).resume();
    endIfDone();
}

void FollowOnItems::endIfDone() {
    if (!handler_.valid() || !handler_.done()) return;
    Task<> ended = std::move(handler_);
    ended.result();
}

} // namespace orvane
