#include "serial/TransmitThread.h"
#include "FakePortWriter.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;
using testing::waitUntil;

// With a long idle wake-up every pass a test sees was caused by its own
// appends, so the order of writes and notifications is exact.
constexpr auto kNoIdlePasses = std::chrono::milliseconds(60'000);

class TransmitQueue : public ::testing::Test {
protected:
    std::unique_ptr<TransmitThread> start(std::chrono::milliseconds idle = kNoIdlePasses) {
        return std::make_unique<TransmitThread>(
            port, [this] { port.noteQueueEmpty(); }, idle);
    }
    testing::FakePortWriter port;
};

TEST_F(TransmitQueue, EmptyAppendWakesTheThreadToReportAnEmptyQueue) {
    auto tx = start();
    tx->append(std::string_view{});
    EXPECT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    EXPECT_EQ(port.writeCalls(), 0);
}

TEST_F(TransmitQueue, ChunkSizeOneWritesByteByByteAndReportsEmptyOnlyAtTheEnd) {
    auto tx = start();
    tx->append("\x80\x05\x80");
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    EXPECT_EQ(port.log(), (Log{"W\x80", "W\x05", "W\x80", "E"}));
}

TEST_F(TransmitQueue, AppendsDuringAWriteFollowInOrderAndDoNotWait) {
    auto tx = start();
    tx->setChunkSize(10);
    port.holdNextWrite();
    tx->append("abc");
    ASSERT_TRUE(port.waitUntilBlocked());
    const auto before = std::chrono::steady_clock::now();
    tx->append("de");
    tx->append(std::string_view("f\0g", 3));
    EXPECT_LT(std::chrono::steady_clock::now() - before, 100ms); // never waits for the line
    port.release();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    EXPECT_EQ(port.log(), (Log{"Wabc", std::string("Wdef\0g", 6), "E"}));
}

TEST_F(TransmitQueue, PartialWritesKeepTheRestAtTheFront) {
    auto tx = start();
    tx->setChunkSize(10);
    port.setMaxPerWrite(2);
    tx->append("12345");
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    EXPECT_EQ(port.log(), (Log{"W12", "W34", "W5", "E"}));
}

TEST_F(TransmitQueue, ClearDuringAWriteKeepsThatWriteAndDropsTheRest) {
    auto tx = start();
    tx->setChunkSize(3);
    port.setMaxPerWrite(2); // the port takes "ab" of the chunk "abc"
    port.holdNextWrite();
    tx->append("abcdefgh");
    ASSERT_TRUE(port.waitUntilBlocked());
    tx->clear();
    port.release();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    EXPECT_EQ(port.log(), (Log{"Wab", "E"}));
    EXPECT_EQ(tx->length(), 0u);

    tx->append("z"); // appends after the clear are sent as usual
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 2; }));
    EXPECT_EQ(port.log().back(), "E");
    EXPECT_EQ(port.written().back(), 'z');
}

TEST_F(TransmitQueue, LengthCountsWhatWeHoldAndWhatTheDriverHolds) {
    auto tx = start();
    port.holdNextWrite();
    tx->append("abcd");
    ASSERT_TRUE(port.waitUntilBlocked());
    EXPECT_EQ(tx->length(), 4u); // one byte in flight, three waiting
    port.setPending(9);
    EXPECT_EQ(tx->length(), 9u);
    port.setPending(0);
    port.release();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == 1; }));
    port.setPending(2);
    EXPECT_EQ(tx->length(), 2u); // our buffer is empty, the driver is not
}

TEST_F(TransmitQueue, IdleQueueIsReportedAboutEvery200ms) {
    auto tx = start(TransmitThread::kIdleWake);
    std::this_thread::sleep_for(1100ms);
    // Five passes are due; allow a slow machine to miss some, never to spin.
    EXPECT_GE(port.queueEmpties(), 2);
    EXPECT_LE(port.queueEmpties(), 6);
}

TEST_F(TransmitQueue, HeldIdleReportsStopUntilBytesOrAWakeBringThemBack) {
    auto tx = start(10ms);
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() >= 2; }));
    for (const bool byBytes : {true, false}) {
        tx->holdIdleReports();
        const int held = port.queueEmpties();
        std::this_thread::sleep_for(150ms); // fifteen idle periods
        EXPECT_LE(port.queueEmpties(), held + 1); // one may have been on its way
        const int before = port.queueEmpties();
        if (byBytes)
            tx->append("a");
        else
            tx->wantIdleReports();
        // Reported at once, and every idle period again from then on.
        EXPECT_TRUE(waitUntil([&] { return port.queueEmpties() >= before + 3; }));
    }
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'a'}));
}

TEST_F(TransmitQueue, FailingPortIsRetriedAtTheIdlePaceWithoutLosingBytes) {
    auto tx = start(50ms);
    port.setFailing(true);
    tx->append("xy");
    std::this_thread::sleep_for(300ms);
    EXPECT_LE(port.writeCalls(), 12); // about one attempt per idle pass, not a spin
    EXPECT_EQ(port.queueEmpties(), 0);
    EXPECT_EQ(tx->length(), 2u);
    port.setFailing(false);
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'x', 'y'}));
}

TEST_F(TransmitQueue, HeldLineWritesNothingAndReportsNothing) {
    auto tx = start(20ms);
    port.setSendingAllowed(false);
    tx->append("q");
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(port.writeCalls(), 0);
    EXPECT_EQ(port.queueEmpties(), 0);
    port.setSendingAllowed(true);
    EXPECT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.log().front(), "Wq");
}

TEST_F(TransmitQueue, SuspendParksTheThreadAndNeverWaitsForever) {
    auto tx = start();
    ASSERT_TRUE(tx->suspend(2s));
    tx->append("ab");
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(port.writeCalls(), 0);
    tx->resume();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'a', 'b'}));

    port.holdNextWrite();
    tx->append("c");
    ASSERT_TRUE(port.waitUntilBlocked());
    EXPECT_FALSE(tx->suspend(100ms)); // stuck in a write: gives up instead of hanging
    port.release();
    EXPECT_TRUE(tx->suspend(2s));
    tx->resume();
}

} // namespace
} // namespace orvane
