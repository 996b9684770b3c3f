#include "serial/ReadCommThread.h"
#include "serial/LineLoss.h"
#include "PtyPair.h"
#include "WaitUntil.h"
#include "serial/RxQueue.h"
#include "serial/SerialPort.h"

#include <gtest/gtest.h>

#include <termios.h>

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

    testing::PtyPair pty;
    std::unique_ptr<SerialPort> port;
    RxQueue queue;
    XonXoffFilter filter;
};

TEST_F(ReaderOnPty, DecodesWhatArrivesAndKeepsStateBetweenReads) {
    ReadCommThread reader(*port, queue, filter);
    pty.writeToConsole({0x41, 0x80});
    ASSERT_TRUE(waitUntil([&] { return queue.count() == 1; }));
    std::this_thread::sleep_for(20ms); // the prefix has been read on its own
    pty.writeToConsole({0x22, 0x81, 0x80});
    EXPECT_EQ(drain(3), (std::vector<std::int32_t>{0x41, 0x8022, 0x0080}));
}

TEST_F(ReaderOnPty, FullQueueHoldsTheReaderWithoutLoss) {
    ReadCommThread reader(*port, queue, filter);
    const std::size_t total = RxQueue::kCapacity + 3000;
    Bytes stream(total);
    for (std::size_t i = 0; i < total; ++i)
        stream[i] = static_cast<std::uint8_t>(i % 0x7F);
    pty.writeToConsole(stream);
    ASSERT_TRUE(waitUntil([&] { return queue.count() == RxQueue::kCapacity; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(queue.count(), RxQueue::kCapacity);

    const auto items = drain(total);
    ASSERT_EQ(items.size(), total);
    for (std::size_t i = 0; i < total; ++i)
        ASSERT_EQ(items[i], stream[i]) << "at " << i;
}

TEST_F(ReaderOnPty, StopWorksWhileWaitingForRoom) {
    auto reader = std::make_unique<ReadCommThread>(*port, queue, filter);
    pty.writeToConsole(Bytes(RxQueue::kCapacity + 10, 0x41));
    ASSERT_TRUE(waitUntil([&] { return queue.count() == RxQueue::kCapacity; }));
    const auto started = std::chrono::steady_clock::now();
    reader.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);

    // A new reader on the same queue stores again once there is room.
    ReadCommThread next(*port, queue, filter);
    queue.clear();
    ::tcflush(pty.masterFd(), TCIOFLUSH);
    std::this_thread::sleep_for(20ms);
    while (queue.dequeue()) {
    }
    pty.writeToConsole({0x42});
    EXPECT_EQ(drain(1), (std::vector<std::int32_t>{0x42}));
}

TEST_F(ReaderOnPty, SuspendedReaderLeavesThePortAloneAndLosesNothing) {
    ReadCommThread reader(*port, queue, filter);
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
    std::this_thread::sleep_for(50ms);
    EXPECT_GE(port->lineStatus().rxPending, 1);

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
    ReadCommThread reader(*port, queue, filter, {}, &listener);
    pty.writeToConsole({'o', 'k'});
    EXPECT_EQ(drain(2), (std::vector<std::int32_t>{'o', 'k'}));
    pty.hangUp();
    ASSERT_TRUE(waitUntil([&] { return listener.losses == 1; }));
    EXPECT_TRUE(reader.lineLost());
    reader.stop(); // a lost reader still stops at once
}

} // namespace
} // namespace orvane
