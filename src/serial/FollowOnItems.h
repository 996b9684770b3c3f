#pragma once

#include "sequence/Task.h"

#include <coroutine>
#include <cstdint>

namespace orvane {

// The items that finish what a receive handler has begun: the follow-on bytes
// of a status code, the rest of an in-band sequence. The handler awaits them
// one at a time and returns to the event loop meanwhile, so the window and
// the timers go on while the modem is still sending. The routing hands every
// item it takes to the waiting handler before anything else: nothing is
// handled in between, nothing out of order.
//
// The handlers' thread only.
class FollowOnItems {
public:
    struct Next {
        FollowOnItems& items;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> reader) noexcept { items.reader_ = reader; }
        std::int32_t await_resume() const noexcept { return items.item_; }
    };

    // Runs a handler up to its first wait for an item and keeps it until it
    // ends. The routing starts no handler while one waits; one started anyway
    // replaces it. What the handler throws comes out here or out of feed().
    void start(Task<> handler);
    // co_await next(): the next item routed (0x8000 | code for a status).
    Next next() { return {*this}; }
    // A handler waits: the routing's next item is its.
    bool awaited() const { return static_cast<bool>(reader_); }
    // Hands the item to the waiting handler, which runs on to its next wait or its end.
    void feed(std::int32_t item);

private:
    void endIfDone();

    Task<> handler_;
    std::coroutine_handle<> reader_;
    std::int32_t item_ = 0;
};

} // namespace orvane
