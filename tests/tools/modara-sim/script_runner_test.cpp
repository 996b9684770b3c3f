#include "script_runner.h"

#include "console_view.h"

#include <gtest/gtest.h>

namespace modara_sim {
namespace {

using test::ConsoleView;
using test::Items;
using test::statusItem;

class ScriptRunnerTest : public ::testing::Test, private SimulatorControl {
protected:
    ScriptRunnerTest()
        : modem_({}, [this](const std::string& line) { log_ += line + "\n"; }),
          runner_(modem_, *this, [this](const std::string& line) { log_ += line + "\n"; }) {}

    void quit() override { quit_ = true; }
    void closePty() override { ptyLog_ += "close "; }
    void newPty() override { ptyLog_ += "new "; }

    void add(std::initializer_list<const char*> lines) {
        for (const char* line : lines)
            runner_.add(*parseScriptLine(line).command);
    }
    void receive(const Bytes& bytes, Millis now) {
        modem_.receive(bytes.data(), bytes.size(), now);
        runner_.onReceived(bytes.data(), bytes.size());
        runner_.run(now);
    }
    Items output() { return ConsoleView{}.decode(modem_.takeOutput()); }

    std::string log_;
    bool quit_ = false;
    std::string ptyLog_;
    Modem modem_;
    ScriptRunner runner_;
};

TEST_F(ScriptRunnerTest, SleepHoldsBackTheLinesAfterIt) {
    add({"text \"a\"", "sleep 100", "status ECHO_ON", "bytes 80 30", "raw 42"});
    runner_.run(0);
    EXPECT_EQ(output(), Items{'a'});
    EXPECT_EQ(runner_.nextDue(), 100);
    runner_.run(99);
    EXPECT_EQ(output(), Items{});
    runner_.run(100);
    EXPECT_EQ(output(), (Items{statusItem(0x31), statusItem(0x30), 'B'}));
    EXPECT_TRUE(runner_.idle());
}

TEST_F(ScriptRunnerTest, WaitRxLooksForItsSequenceAcrossChunks) {
    add({"wait-rx 80 07", "status DISCONNECTED 00"});
    runner_.run(0);
    receive({'z', 0x80}, 10);
    EXPECT_FALSE(runner_.idle());
    receive({0x07}, 20);
    EXPECT_TRUE(runner_.idle());
    EXPECT_EQ(output(), (Items{statusItem(0x23), 0x00}));
}

TEST_F(ScriptRunnerTest, WaitRxOnlyCountsBytesFromWhenItsLineStarted) {
    add({"sleep 50", "wait-rx \"hi\"", "text \"seen\""});
    runner_.run(0);
    receive({'h', 'i'}, 10); // still sleeping
    runner_.run(50);
    EXPECT_FALSE(runner_.idle());
    runner_.run(50 + ScriptRunner::kWaitRxLimit - 1);
    EXPECT_FALSE(runner_.idle());
    runner_.run(50 + ScriptRunner::kWaitRxLimit);
    EXPECT_TRUE(runner_.idle()) << "gives up after 30 s and goes on";
    EXPECT_NE(log_.find("timed out"), std::string::npos);
}

TEST_F(ScriptRunnerTest, AFaxRunReportsEachStageAnIntervalApart) {
    add({"fax send AB1CD 384 2 100 ok"});
    runner_.run(0);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x90}));
    runner_.run(100);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x91, 'A', 'B', '1', 'C', 'D', 0x02}));
    runner_.run(200);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x93, 0x00, 0x00, 0x00, 0xC0, 0x08, 0x00, 0x00, 0x01,
                               0x80, 0x02}));
    runner_.run(300);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x93, 0x00, 0x00, 0x01, 0x80, 0x08, 0x00, 0x00, 0x01,
                               0x80, 0x02}));
    runner_.run(400);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x94}));
    runner_.run(500);
    EXPECT_EQ(output(), (Items{0x01, 0x0C, 0x99}));
    EXPECT_TRUE(runner_.idle());

    add({"fax receive K1 10 1 0 fail"});
    runner_.run(500);
    const Items all = output();
    EXPECT_EQ(Items(all.begin() + 3, all.begin() + 8), (Items{0x01, 0x0C, 0x92, 'K', '1'}));
    EXPECT_EQ(Items(all.end() - 6, all.end()), (Items{0x01, 0x0C, 0x95, 0x01, 0x0C, 0x99}));
}

TEST_F(ScriptRunnerTest, SettingsChangeAtRunTimeAndQuitDropsTheRest) {
    add({"identity silent id", "fail-call N0PE", "identity colour blue", "pty close", "pty new",
         "quit", "text \"x\""});
    runner_.run(0);
    EXPECT_EQ(ptyLog_, "close new ");
    EXPECT_TRUE(quit_);
    EXPECT_TRUE(runner_.idle());
    EXPECT_NE(log_.find("# identity: unknown identity key"), std::string::npos);
    receive({0x80, 0x7B}, 0);
    EXPECT_EQ(output(), Items{});
    receive({0x80, 0x11, 0x80, 'N', 0x80, '0', 0x80, 'P', 0x80, 'E', 0x80, 0x00}, 0);
    modem_.tick(300);
    EXPECT_EQ(output(), (Items{statusItem(0x24), 0x00}));
}

} // namespace
} // namespace modara_sim
