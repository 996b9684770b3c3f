#include "WaitUntil.h"
#include "serial/LineLoss.h"
#include "serial/TransmitThread.h"
#include "support/ManualWaitClock.h"
#include "support/UartPortDouble.h"

#include <gtest/gtest.h>

#include <atomic>
#include <numeric>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::ManualWaitClock;
using testing::UartPortDouble;
using testing::waitUntil;

Bytes countingBytes(std::size_t n) {
    Bytes bytes(n);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
}

// On a UART a written byte spends a while in the driver. The paced senders
// hand over the next unit on the empty message. Posted only once the driver
// had sent everything, the line would fall idle while the message travels;
// posted while the driver still held more than a character or two, the senders
// would pile up behind it and Panic would wait longer. It comes when the
// driver is down to its low-water mark. The line sends as the test moves its
// clock on.
TEST(UartLine, TheEmptyMessageComesWhileTheDriverSendsItsLastCharacters) {
    ManualWaitClock clock;
    UartPortDouble uart(clock);
    const Bytes data = countingBytes(120);
    std::size_t handed = 0;
    std::vector<int> driverAtEmpty; // for each message that brought more data
    std::atomic<TransmitThread*> pumped{nullptr};
    // A pump as the console runs one: ten bytes for each empty message.
    const auto pump = [&] {
        TransmitThread* queue = pumped.load();
        if (!queue || handed >= data.size()) return;
        driverAtEmpty.push_back(uart.pendingOutput());
        queue->append(std::span(data).subspan(handed, 10));
        handed += 10;
    };
    TransmitThread tx(uart, pump, clock);
    tx.setChunkSize(10);
    pumped = &tx;
    tx.append(std::string_view{});
    ASSERT_TRUE(clock.advanceUntil([&] { return uart.wireSize() == data.size(); }));
    tx.stop();
    EXPECT_EQ(uart.wire(), data);
    ASSERT_EQ(driverAtEmpty.size(), data.size() / 10);
    // The first message answers the empty append, before anything was written.
    for (std::size_t i = 1; i < driverAtEmpty.size(); ++i) {
        EXPECT_GT(driverAtEmpty[i], 0) << "message " << i;
        EXPECT_LE(driverAtEmpty[i], TransmitThread::kLowWater) << "message " << i;
    }
}

// The close's goodbye: what is queued is dropped, HOST_SHUTDOWN is queued, and
// the close waits until it has left the driver.
TEST(UartLine, HostShutdownIsTheLastThingOnTheWireAfterAClose) {
    ManualWaitClock clock;
    UartPortDouble uart(clock);
    TransmitThread tx(uart, {}, clock);
    tx.setChunkSize(10);
    const Bytes longText(3000, 'x');
    tx.append(longText);
    ASSERT_TRUE(clock.advanceUntil([&] { return uart.wireSize() >= 40; }));

    tx.clear();
    tx.append(Bytes{0x80, 0x09});
    EXPECT_TRUE(clock.advanceUntil([&tx] { return tx.length() == 0; }));
    const Bytes wire = uart.wire();
    ASSERT_GE(wire.size(), 2u);
    EXPECT_LT(wire.size(), longText.size());
    EXPECT_EQ(Bytes(wire.end() - 2, wire.end()), (Bytes{0x80, 0x09}));
    EXPECT_EQ(uart.pendingOutput(), 0);
}

struct CountingListener final : LineLossListener {
    void lineLost() override { ++losses; }
    std::atomic<int> losses{0};
};

// Unplugged: nothing queued is dropped and no empty message lets the senders
// hand over more; the reopened port gets it all.
TEST(UartLine, AnUnpluggedPortKeepsTheQueueForTheNextPort) {
    ManualWaitClock clock;
    UartPortDouble gone(clock), back(clock);
    std::atomic<int> empties{0};
    CountingListener listener;
    const auto countEmpties = [&] { ++empties; };
    TransmitThread tx(gone, countEmpties, clock);
    tx.setLineLossListener(&listener);
    tx.setChunkSize(10);
    gone.unplug();
    tx.append("typed text");
    ASSERT_TRUE(waitUntil([&] { return listener.losses == 1; }));
    EXPECT_TRUE(tx.lineLost());
    EXPECT_EQ(tx.length(), 10u);
    const int emptiesWhileLost = empties;

    tx.usePort(&back);
    ASSERT_TRUE(clock.advanceUntil([&] { return back.wireSize() == 10; }));
    EXPECT_EQ(back.wire(), (Bytes{'t', 'y', 'p', 'e', 'd', ' ', 't', 'e', 'x', 't'}));
    EXPECT_FALSE(tx.lineLost());
    EXPECT_EQ(emptiesWhileLost, 0);
}

} // namespace
} // namespace orvane
