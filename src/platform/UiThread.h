#pragma once

#include <functional>
#include <memory>

namespace orvane {

// Work handed to the user-interface thread from any thread. It runs there
// later, in the order it was handed over; work still waiting when its queue
// is destroyed never runs, so an owner's queue never outlives the owner.
class UiQueue {
public:
    virtual ~UiQueue() = default;
    virtual void post(std::function<void()> work) = 0;
};

// The user-interface thread, as the parts that live beside the window reach it.
class UiThread {
public:
    virtual ~UiThread() = default;
    virtual std::unique_ptr<UiQueue> createQueue() = 0;
};

} // namespace orvane
