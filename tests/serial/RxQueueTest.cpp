#include "serial/RxQueue.h"
#include "support/ManualWaitClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace orvane {
namespace {

using namespace std::chrono_literals;

TEST(RxQueue, IndicesWrapFrom4095To0InOrder) {
    RxQueue queue;
    for (int i = 0; i < RxQueue::kCapacity - 1; ++i) {
        ASSERT_TRUE(queue.enqueue(i & 0xFF));
        ASSERT_TRUE(queue.dequeue());
    }
    EXPECT_EQ(queue.writeIndex(), 4095);
    ASSERT_TRUE(queue.enqueue(0x8001));
    ASSERT_TRUE(queue.enqueue(0x42));
    EXPECT_EQ(queue.writeIndex(), 1);
    EXPECT_EQ(queue.dequeue(), 0x8001);
    EXPECT_EQ(queue.readIndex(), 0);
    EXPECT_EQ(queue.dequeue(), 0x42);
    EXPECT_EQ(queue.dequeue(), std::nullopt);
}

TEST(RxQueue, ClearEmptiesAndResetsIndices) {
    RxQueue queue;
    queue.enqueue(1);
    queue.enqueue(2);
    queue.dequeue();
    queue.clear();
    EXPECT_EQ(queue.count(), 0);
    EXPECT_EQ(queue.readIndex(), 0);
    EXPECT_EQ(queue.writeIndex(), 0);
}

TEST(RxQueue, FullQueueMakesTheProducerWaitWithoutLoss) {
    testing::ManualWaitClock clock;
    RxQueue queue{clock};
    constexpr int kTotal = RxQueue::kCapacity + 500;
    std::thread producer([&] {
        for (int i = 0; i < kTotal; ++i)
            queue.enqueue(i & 0xFF);
    });
    ASSERT_TRUE(clock.waitForUntimedSleepers()); // the producer waits
    EXPECT_EQ(queue.count(), RxQueue::kCapacity);
    for (int i = 0; i < kTotal; ++i) {
        std::optional<std::int32_t> item;
        while (!(item = queue.dequeue()))
            std::this_thread::yield();
        ASSERT_EQ(*item, i & 0xFF) << "at item " << i;
    }
    producer.join();
    EXPECT_EQ(queue.count(), 0);
}

TEST(RxQueue, ReleasedProducerGivesUpAndAcceptsAgain) {
    testing::ManualWaitClock clock;
    RxQueue queue{clock};
    for (int i = 0; i < RxQueue::kCapacity; ++i)
        queue.enqueue(0);
    auto stored = std::async(std::launch::async, [&] { return queue.enqueue(7); });
    ASSERT_TRUE(clock.waitForUntimedSleepers()); // waits for room
    queue.releaseWaiters();
    ASSERT_EQ(stored.wait_for(2s), std::future_status::ready);
    EXPECT_FALSE(stored.get());
    EXPECT_EQ(queue.count(), RxQueue::kCapacity); // nothing overwritten
    queue.acceptWaiters();
    queue.dequeue();
    EXPECT_TRUE(queue.enqueue(7));
}

} // namespace
} // namespace orvane
