#include "serial/RoutingThread.h"
#include "WaitUntil.h"
#include "serial/ReceiveRouting.h"
#include "serial/RoutingFlags.h"
#include "serial/RxQueue.h"
#include "support/ManualWaitClock.h"

#include <gtest/gtest.h>

#include <functional>
#include <mutex>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

TEST(ReceiveRouting, FirstMatchingRuleWins) {
    struct Row {
        std::int32_t item;
        bool echo, binary;
        Route expected;
    } rows[] = {
        {0x8001, false, false, Route::StatusDispatcher},
        {0x8001, true, true, Route::StatusDispatcher}, // status beats echo and binary
        {0x8000, false, true, Route::StatusDispatcher},
        {0x01, false, false, Route::InBandHandler},
        {0x01, true, false, Route::ReceivedChar}, // an echoed 0x01 is only text
        {0x01, false, true, Route::InBandHandler},
        {0x00, false, true, Route::Dropped},
        {0x00, false, false, Route::ReceivedChar},
        {0x41, false, true, Route::BinaryFile},
        {0x41, true, true, Route::ReceivedChar},
        {0x41, false, false, Route::ReceivedChar},
    };
    for (const auto& row : rows) {
        RoutingFlags flags;
        flags.EchoMode = row.echo;
        flags.BinaryReceiveActive = row.binary;
        EXPECT_EQ(routeFor(row.item, flags), row.expected)
            << std::hex << row.item << " echo " << row.echo << " binary " << row.binary;
    }
}

// Records deliveries; can run a hook inside a delivery, as a handler that
// awaits follow-on items or pauses the routing does.
class RecordingDelivery final : public ReceiveDelivery, public BinaryReceiveSink {
public:
    void deliverStatus(std::uint8_t code) override { record("S", code); }
    void deliverInBand(std::uint8_t byte) override { record("I", byte); }
    void deliverReceivedChar(std::uint8_t byte) override { record("C", byte); }
    void writeByte(std::uint8_t byte) override { record("F", byte); }

    std::vector<std::string> seen() const {
        std::lock_guard guard(lock_);
        return seen_;
    }
    std::function<void(const std::string&)> inside;

private:
    void record(const char* kind, std::uint8_t value) {
        const std::string entry = kind + std::to_string(value);
        {
            std::lock_guard guard(lock_);
            seen_.push_back(entry);
        }
        if (inside) inside(entry);
    }
    mutable std::mutex lock_;
    std::vector<std::string> seen_;
};

class Routing : public ::testing::Test {
protected:
    void push(std::initializer_list<std::int32_t> items) {
        for (auto item : items)
            queue.enqueue(item);
    }
    bool seenCount(std::size_t n) {
        return waitUntil([&] { return delivery.seen().size() >= n; });
    }
    // Time stands still: the routing thread's waits end only when notified,
    // and the test sees when it has gone to sleep.
    testing::ManualWaitClock clock;
    RxQueue queue{clock};
    RoutingFlags flags;
    RecordingDelivery delivery;
};

TEST_F(Routing, CreatedSuspendedThenRoutesEveryItemInOrder) {
    push({0x8021, 0x41, 0x01});
    RoutingThread thread(queue, flags, delivery, delivery, clock);
    ASSERT_TRUE(clock.waitForUntimedSleepers());
    EXPECT_TRUE(delivery.seen().empty());
    EXPECT_EQ(queue.count(), 3);
    thread.resume();
    ASSERT_TRUE(seenCount(3));
    EXPECT_EQ(delivery.seen(), (std::vector<std::string>{"S33", "C65", "I1"}));
}

TEST_F(Routing, BinaryReceiveWritesDataSkipsPaddingAndKeepsInBand) {
    flags.BinaryReceiveActive = true;
    RoutingThread thread(queue, flags, delivery, delivery, clock);
    thread.resume();
    push({0x41, 0x00, 0x01, 0x8005, 0x00, 0x42});
    ASSERT_TRUE(seenCount(4));
    ASSERT_TRUE(clock.waitForSleepers()); // the queue is drained
    EXPECT_EQ(delivery.seen(), (std::vector<std::string>{"F65", "I1", "S5", "F66"}));
}

// A handler that has begun a status awaits its follow-on items; the routing
// hands them over before anything else, late ones included, whatever they are.
TEST_F(Routing, HandlerAwaitingFollowOnItemsTakesThemFirst) {
    std::vector<std::int32_t> followOns;
    auto& items = queue.followOns();
    delivery.inside = [&](const std::string& entry) {
        if (entry != "S40") return;
        items.start([](FollowOnItems& from, std::vector<std::int32_t>& into) -> Task<> {
            for (int n = 0; n < 3; ++n)
                into.push_back(co_await from.next());
        }(items, followOns));
    };
    RoutingThread thread(queue, flags, delivery, delivery, clock);
    push({0x8028, 0x41});
    thread.resume();
    ASSERT_TRUE(seenCount(1));
    ASSERT_TRUE(clock.waitForSleepers());
    push({0x8009, 0x42, 0x43});
    ASSERT_TRUE(seenCount(2));
    EXPECT_EQ(delivery.seen(), (std::vector<std::string>{"S40", "C67"}));
    EXPECT_EQ(followOns, (std::vector<std::int32_t>{0x41, 0x8009, 0x42}));
}

TEST_F(Routing, PauseSetInsideADeliveryStopsTheNextTake) {
    delivery.inside = [&](const std::string& entry) {
        if (entry == "I1") flags.RoutingPaused = true;
    };
    RoutingThread thread(queue, flags, delivery, delivery, clock);
    push({0x01, 0x41, 0x42});
    thread.resume();
    ASSERT_TRUE(seenCount(1));
    ASSERT_TRUE(clock.waitForSleepers()); // looks again later: nobody tells it
    EXPECT_EQ(queue.count(), 2);          // deferred, not lost
    flags.RoutingPaused = false;
    clock.advance(*clock.nextDeadlineIn());
    ASSERT_TRUE(seenCount(3));
    EXPECT_EQ(delivery.seen(), (std::vector<std::string>{"I1", "C65", "C66"}));
}

TEST_F(Routing, DisabledRoutingEndsTheThreadAndLeavesItemsQueued) {
    RoutingThread thread(queue, flags, delivery, delivery, clock);
    thread.resume();
    push({0x41});
    ASSERT_TRUE(seenCount(1));
    ASSERT_TRUE(clock.waitForSleepers());
    flags.RoutingEnabled = false;
    // The item wakes the thread, which ends instead of routing it.
    push({0x42});
    EXPECT_TRUE(thread.suspend(1s)); // an ended thread counts as parked
    EXPECT_EQ(delivery.seen().size(), 1u);
    EXPECT_EQ(queue.count(), 1);
}

// The user-interface thread that suspends the routing does not run the
// burst the routing has handed it meanwhile: the burst is taken back, its
// items stay queued, and running it late changes nothing.
TEST_F(Routing, SuspendTakesBackABurstNotYetRun) {
    struct HeldBursts final : ReceiveDelivery {
        void deliverStatus(std::uint8_t) override {}
        void deliverInBand(std::uint8_t) override {}
        void deliverReceivedChar(std::uint8_t byte) override { routed.push_back(byte); }
        void post(std::function<void()> burst) override {
            std::lock_guard guard(lock);
            held.push_back(std::move(burst));
        }
        std::size_t heldCount() {
            std::lock_guard guard(lock);
            return held.size();
        }
        void runHeld() {
            std::vector<std::function<void()>> bursts;
            {
                std::lock_guard guard(lock);
                bursts.swap(held);
            }
            for (auto& burst : bursts)
                burst();
        }
        std::mutex lock;
        std::vector<std::function<void()>> held;
        std::vector<std::uint8_t> routed;
    } ui;
    RoutingThread thread(queue, flags, ui, delivery, clock);
    thread.resume();
    push({0x41, 0x42});
    ASSERT_TRUE(waitUntil([&] { return ui.heldCount() == 1; }));
    EXPECT_TRUE(thread.suspend(2s));
    ui.runHeld();
    EXPECT_TRUE(ui.routed.empty());
    EXPECT_EQ(queue.count(), 2); // not taken, nor dropped
    thread.resume();
    ASSERT_TRUE(waitUntil([&] { return ui.heldCount() == 1; }));
    ui.runHeld();
    EXPECT_EQ(ui.routed, (std::vector<std::uint8_t>{0x41, 0x42}));
}

} // namespace
} // namespace orvane
