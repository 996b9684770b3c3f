#include "serial/TransmitThread.h"
#include "FakePortWriter.h"
#include "WaitUntil.h"
#include "support/ManualWaitClock.h"

#include <gtest/gtest.h>

#include <future>

namespace orvane {
namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;
using testing::waitUntil;

constexpr auto kIdle = TransmitThread::kIdleWake;

// Time stands still unless a test moves it, so every pass a test sees was
// caused by its own appends or its own idle periods, and the order of writes
// and notifications is exact.
class TransmitQueue : public ::testing::Test {
protected:
    std::unique_ptr<TransmitThread> start() {
        return std::make_unique<TransmitThread>(
            port, [this] { port.noteQueueEmpty(); }, clock);
    }
    // One idle period after the thread has gone back to sleep.
    void passIdlePeriod() {
        ASSERT_TRUE(clock.waitForSleepers());
        clock.advance(kIdle);
    }
    testing::FakePortWriter port;
    testing::ManualWaitClock clock;
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
    auto appended = std::async(std::launch::async, [&] {
        tx->append("de");
        tx->append(std::string_view("f\0g", 3));
    });
    // The write is still held: appends that waited for the line would never end.
    ASSERT_EQ(appended.wait_for(3s), std::future_status::ready);
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

TEST_F(TransmitQueue, IdleQueueIsReportedEvery200ms) {
    auto tx = start();
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(clock.waitForSleepers());
        EXPECT_EQ(clock.nextDeadlineIn(), kIdle);
        clock.advance(kIdle - 1ms);
        EXPECT_EQ(port.queueEmpties(), n - 1);
        clock.advance(1ms);
        ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == n; }));
    }
}

TEST_F(TransmitQueue, HeldIdleReportsStopUntilBytesOrAWakeBringThemBack) {
    auto tx = start();
    for (const bool byBytes : {true, false}) {
        tx->holdIdleReports();
        ASSERT_TRUE(clock.waitForUntimedSleepers());
        const int held = port.queueEmpties();
        clock.advance(15 * kIdle);
        EXPECT_EQ(port.queueEmpties(), held);
        if (byBytes)
            tx->append("a");
        else
            tx->wantIdleReports();
        // Reported at once, and every idle period again from then on.
        ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == held + 1; }));
        passIdlePeriod();
        ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() == held + 2; }));
    }
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'a'}));
}

TEST_F(TransmitQueue, FailingPortIsRetriedAtTheIdlePaceWithoutLosingBytes) {
    auto tx = start();
    port.setFailing(true);
    tx->append("xy");
    ASSERT_TRUE(waitUntil([&] { return port.writeCalls() == 1; }));
    for (int n = 2; n <= 4; ++n) { // one attempt per idle period, none in between
        ASSERT_TRUE(clock.waitForSleepers());
        clock.advance(kIdle - 1ms);
        EXPECT_EQ(port.writeCalls(), n - 1);
        clock.advance(1ms);
        ASSERT_TRUE(waitUntil([&] { return port.writeCalls() == n; }));
    }
    EXPECT_EQ(port.queueEmpties(), 0);
    EXPECT_EQ(tx->length(), 2u);
    port.setFailing(false);
    passIdlePeriod();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'x', 'y'}));
}

// Idle reports held while a write was under way do not hold the retry of a
// write that failed: the bytes go at the next idle period, not at the next append.
TEST_F(TransmitQueue, AFailedWriteIsRetriedEvenWhenIdleReportsWereHeldMeanwhile) {
    auto tx = start();
    port.holdNextWrite();
    port.setFailing(true);
    tx->append("xy");
    ASSERT_TRUE(port.waitUntilBlocked());
    tx->holdIdleReports();
    port.release();
    ASSERT_TRUE(clock.waitForSleepers()); // the failed write is over
    port.setFailing(false);
    clock.advance(kIdle);
    ASSERT_TRUE(waitUntil([&] { return port.written().size() == 2; }));
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'x', 'y'}));
}

TEST_F(TransmitQueue, HeldLineWritesNothingAndReportsNothing) {
    auto tx = start();
    port.setSendingAllowed(false);
    tx->append("q");
    for (int n = 0; n < 5; ++n)
        passIdlePeriod();
    ASSERT_TRUE(clock.waitForSleepers()); // the last pass is over
    EXPECT_EQ(port.writeCalls(), 0);
    EXPECT_EQ(port.queueEmpties(), 0);
    port.setSendingAllowed(true);
    passIdlePeriod();
    EXPECT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.log().front(), "Wq");
}

TEST_F(TransmitQueue, SuspendParksTheThreadAndNeverWaitsForever) {
    auto tx = start();
    ASSERT_TRUE(tx->suspend(2s));
    tx->append("ab");
    passIdlePeriod(); // a parked thread has no idle periods either
    EXPECT_EQ(port.writeCalls(), 0);
    tx->resume();
    ASSERT_TRUE(waitUntil([&] { return port.queueEmpties() >= 1; }));
    EXPECT_EQ(port.written(), (std::vector<std::uint8_t>{'a', 'b'}));

    port.holdNextWrite();
    tx->append("c");
    ASSERT_TRUE(port.waitUntilBlocked());
    // Stuck in a write: the suspension gives up instead of hanging.
    auto parked = std::async(std::launch::async, [&] { return tx->suspend(100ms); });
    ASSERT_TRUE(clock.waitForSleepers());
    EXPECT_EQ(clock.nextDeadlineIn(), 100ms);
    clock.advance(100ms);
    EXPECT_FALSE(parked.get());
    port.release();
    EXPECT_TRUE(tx->suspend(2s));
    tx->resume();
}

} // namespace
} // namespace orvane
