#include "sequence/SequenceRunner.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::testing {
namespace {

struct Runner : ::testing::Test, SequenceObserver {
    ManualClock clock;
    SequenceRunner runner{clock};
    std::vector<std::string> log;
    std::vector<std::string> failures;

    Runner() { runner.setObserver(this); }
    void sequencesChanged() override {}
    void sequenceFailed(const std::string& name, const std::string& what) override {
        failures.push_back(name + ": " + what);
    }

    // Notes each step with the clock's time, pausing `gapMs` between them.
    Task<> steps(std::string name, int count, int gapMs) {
        for (int i = 0; i < count; ++i) {
            log.push_back(name + std::to_string(i) + "@" + std::to_string(clock.tickMs()));
            co_await runner.pause(gapMs);
        }
    }
    Task<int> answer() {
        co_await runner.pause(5);
        co_return 42;
    }
};

TEST_F(Runner, SequencesRunWholeAndInTurnWithTheWindowFreeBetweenSteps) {
    runner.start("setup", [this] { return steps("s", 3, 50); });
    // An operator command arrives while the set-up waits: it is held, not run inside it.
    runner.start(
        "call", [this] { return steps("c", 1, 50); }, SequenceRunner::Kind::HeldCommand);
    EXPECT_TRUE(runner.hasSequence());
    EXPECT_EQ(log, std::vector<std::string>({"s0@0"}));
    clock.advance(400);
    EXPECT_EQ(log, std::vector<std::string>({"s0@0", "s1@50", "s2@100", "c0@150"}));
    EXPECT_TRUE(runner.idle());
}

TEST_F(Runner, ConditionsEndByTheirTruthOrTheirDeadline) {
    bool ready = false;
    std::vector<bool> results;
    runner.start("wait", [&]() -> Task<> {
        results.push_back(co_await runner.until([&] { return ready; }, 100));
        results.push_back(co_await runner.until([&] { return ready; }, 100));
        log.push_back("end@" + std::to_string(clock.tickMs()));
    });
    clock.advance(150);
    ready = true;
    runner.wake();
    EXPECT_EQ(results, std::vector<bool>({false, true}));
    EXPECT_EQ(log, std::vector<std::string>({"end@150"}));
}

TEST_F(Runner, AwaitedTasksReturnValuesAndFailuresEndOnlyTheirSequence) {
    int got = 0;
    runner.start("outer", [&]() -> Task<> { got = co_await answer(); });
    runner.start("bad", [&]() -> Task<> {
        co_await runner.pause(1);
        throw std::runtime_error("broken");
    });
    runner.start("after", [this] { return steps("a", 1, 1); });
    clock.advance(20);
    EXPECT_EQ(got, 42);
    EXPECT_EQ(failures, std::vector<std::string>({"bad: broken"}));
    EXPECT_EQ(log, std::vector<std::string>({"a0@6"}));
}

TEST_F(Runner, PanicDropsHeldCommandsAndTheCloseEndsEverything) {
    runner.start("setup", [this] { return steps("s", 2, 50); });
    runner.start(
        "call", [this] { return steps("c", 1, 50); }, SequenceRunner::Kind::HeldCommand);
    runner.start("apply", [this] { return steps("p", 1, 50); });
    runner.dropHeldCommands();
    clock.advance(300);
    EXPECT_EQ(log, std::vector<std::string>({"s0@0", "s1@50", "p0@100"}));

    bool idleRan = false;
    runner.start("close", [this] { return steps("x", 5, 50); });
    runner.whenIdle([&] { idleRan = true; });
    runner.cancelAll();
    clock.advance(300);
    EXPECT_EQ(log.back(), "x0@300");
    EXPECT_TRUE(runner.idle());
    EXPECT_FALSE(idleRan);
}

} // namespace
} // namespace orvane::testing
