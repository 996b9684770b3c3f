#include "serial/PortReaderThread.h"
#include "PtyPair.h"
#include "WaitUntil.h"
#include "serial/LineLoss.h"
#include "serial/RxQueue.h"
#include "serial/SerialPort.h"
#include "support/ManualWaitClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>

#include <sys/ioctl.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;
using testing::waitUntil;

class ReaderOnPty : public ::testing::Test {
protected:
    void SetUp() override {
        auto opening = SerialPort::open(pty.slavePath());
        ASSERT_TRUE(opening.port) << opening.error;
        port = std::move(opening.port);
    }
    std::vector<std::int32_t> drain(std::size_t count) {
        std::vector<std::int32_t> items;
        waitUntil([&] {
            while (auto item = queue.dequeue())
                items.push_back(*item);
            return items.size() >= count;
        });
        return items;
    }
    // Bytes that have reached the console's end and wait there to be read.
    int unread() const {
        int n = 0;
        ::ioctl(port->fd(), FIONREAD, &n);
        return n;
    }

    testing::PtyPair pty;
    std::unique_ptr<ModemPort> port;
    // The reader's pauses and the queue's waits are on a clock that stands
    // still: the test sees when the reader waits for room.
    testing::ManualWaitClock clock;
    RxQueue queue{clock};
    XonXoffFilter filter;
};

TEST_F(ReaderOnPty, DecodesWhatArrivesAndKeepsStateBetweenReads) {
    PortReaderThread reader(*port, queue, filter, {}, nullptr, clock);
    pty.writeToConsole({0x41, 0x80});
    ASSERT_TRUE(waitUntil([&] { return queue.count() == 1 && unread() == 0; }));
    // The prefix has been read; the rest comes in a read of its own.
    pty.writeToConsole({0x22, 0x81, 0x80});
    EXPECT_EQ(drain(3), (std::vector<std::int32_t>{0x41, 0x8022, 0x0080}));
}

TEST_F(ReaderOnPty, FullQueueHoldsTheReaderWithoutLoss) {
    PortReaderThread reader(*port, queue, filter, {}, nullptr, clock);
    const std::size_t total = RxQueue::kCapacity + 3000;
    Bytes stream(total);
    for (std::size_t i = 0; i < total; ++i)
        stream[i] = static_cast<std::uint8_t>(i % 0x7F);
    pty.writeToConsole(stream);
    ASSERT_TRUE(clock.waitForUntimedSleepers()); // the reader waits for room
    EXPECT_EQ(queue.count(), RxQueue::kCapacity);

    const auto items = drain(total);
    ASSERT_EQ(items.size(), total);
    for (std::size_t i = 0; i < total; ++i)
        ASSERT_EQ(items[i], stream[i]) << "at " << i;
}

TEST_F(ReaderOnPty, StopWorksWhileWaitingForRoom) {
    auto reader = std::make_unique<PortReaderThread>(
        *port, queue, filter, PortReaderThread::LineErrorHandler{}, nullptr, clock);
    pty.writeToConsole(Bytes(RxQueue::kCapacity + 10, 0x41));
    ASSERT_TRUE(clock.waitForUntimedSleepers()); // the reader waits for room
    auto stopped = std::async(std::launch::async, [&] { reader.reset(); });
    ASSERT_EQ(stopped.wait_for(3s), std::future_status::ready);

    // A new reader on the same queue stores again once there is room: what
    // was left of the run, then the byte that follows it.
    PortReaderThread next(*port, queue, filter, {}, nullptr, clock);
    queue.clear();
    pty.writeToConsole({0x42});
    std::vector<std::int32_t> items;
    ASSERT_TRUE(waitUntil([&] {
        while (auto item = queue.dequeue())
            items.push_back(*item);
        return !items.empty() && items.back() == 0x42;
    }));
    EXPECT_EQ(std::count(items.begin(), items.end(), 0x41), static_cast<long>(items.size() - 1));
}

TEST_F(ReaderOnPty, SuspendedReaderLeavesThePortAloneAndLosesNothing) {
    PortReaderThread reader(*port, queue, filter, {}, nullptr, clock);
    // Suspended while the queue is full and bytes are read but not stored.
    const std::size_t total = RxQueue::kCapacity + 100;
    Bytes stream(total);
    for (std::size_t i = 0; i < total; ++i)
        stream[i] = static_cast<std::uint8_t>(i % 0x7F);
    pty.writeToConsole(stream);
    ASSERT_TRUE(waitUntil([&] { return queue.count() == RxQueue::kCapacity; }));
    ASSERT_TRUE(reader.suspend(2s));

    // Parked: what arrives now stays with the driver for whoever owns the port.
    pty.writeToConsole({0x55});
    EXPECT_TRUE(waitUntil([&] { return unread() >= 1; }));

    reader.resume();
    const auto items = drain(total + 1);
    ASSERT_EQ(items.size(), total + 1);
    for (std::size_t i = 0; i < total; ++i)
        ASSERT_EQ(items[i], stream[i]) << "at " << i;
    EXPECT_EQ(items.back(), 0x55);
}

struct CountingListener final : LineLossListener {
    void lineLost() override { ++losses; }
    std::atomic<int> losses{0};
};

// The other end closing is what an unplugged adapter looks like: the reader
// keeps what came before, says so, and then leaves the port alone.
TEST_F(ReaderOnPty, AHungUpLineIsReportedAndEndsReading) {
    CountingListener listener;
    PortReaderThread reader(*port, queue, filter, {}, &listener, clock);
    pty.writeToConsole({'o', 'k'});
    EXPECT_EQ(drain(2), (std::vector<std::int32_t>{'o', 'k'}));
    pty.hangUp();
    ASSERT_TRUE(waitUntil([&] { return listener.losses == 1; }));
    EXPECT_TRUE(reader.lineLost());
    reader.stop(); // a lost reader still stops at once
}

} // namespace
} // namespace orvane
