#include "e2e/ModemRig.h"
#include "serial/PtyPair.h"

#include <csignal>
#include <fstream>
#include <list>
#include <thread>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::size_t kHandshakeSize = 18;

bool shows(const ModemRig& rig, const std::string& text) {
    return readFile(rig.dir() / "transcript.txt").find(text) != std::string::npos;
}

// Routing runs once start-up is over: a line from the modem reaching the
// pane shows it.
bool lineArrives(ModemRig& rig, const std::string& word) {
    return waitUntil(
        [&] {
            rig.tellSimulator("text \"" + word + "\\r\\n\"");
            return waitUntil([&] { return shows(rig, word); }, 2s);
        },
        40s);
}

// Every time a thread of the process went to sleep: a poll shows here, while
// a busy machine taking the processor away does not.
long contextSwitches(pid_t pid) {
    long total = 0;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                total += std::stol(line.substr(line.find(':') + 1));
    }
    return total;
}

TEST(DeviceLoss, ALostModemIsReportedWaitedForQuietlyAndTakenUpAgain) {
    ModemRig rig;
    ChildProcess& console = rig.startConsole();
    ASSERT_TRUE(lineArrives(rig, "first")) << rig.consoleOutput();
    const std::string firstSession = rig.received();
    ASSERT_GT(firstSession.size(), kHandshakeSize);
    // The common and mode set-up, after the identity query that finds the modem again.
    const std::string setup = bytes({0x80, 0x7B}) + firstSession.substr(kHandshakeSize);

    rig.simulator().signal(SIGKILL); // the adapter is pulled
    ASSERT_TRUE(waitUntil(
        [&] { return rig.consoleOutput().find("orvane: lost COM1") != std::string::npos; }, 10s))
        << rig.consoleOutput();
    // Waiting for the device is quiet: a reader retrying a hung-up line
    // switched well over a thousand times a second.
    const long before = contextSwitches(console.pid());
    std::this_thread::sleep_for(1s); // the window measured
    EXPECT_LT(contextSwitches(console.pid()) - before, 100);
    EXPECT_TRUE(console.running());

    rig.restartSimulator(); // the same link comes back
    ASSERT_TRUE(waitUntil(
        [&] { return rig.consoleOutput().find("orvane: reopened COM1") != std::string::npos; },
        20s))
        << rig.consoleOutput();
    ASSERT_TRUE(waitUntil(
        [&] { return rig.received().size() >= firstSession.size() + setup.size(); }, 20s));
    EXPECT_EQ(rig.received().substr(firstSession.size(), setup.size()), setup);
    EXPECT_TRUE(lineArrives(rig, "second"));

    console.signal(SIGTERM);
    EXPECT_EQ(console.waitForExit(10s), 0);
    EXPECT_TRUE(waitUntil([&] { return rig.receivedEndsWith(bytes({0x80, 0x09})); }, 5s));
}

bool consoleSays(ModemRig& rig, const std::string& words, std::chrono::seconds limit) {
    return waitUntil([&] { return rig.consoleOutput().find(words) != std::string::npos; }, limit);
}

// Pseudo-terminals are numbered from the lowest free one: opening them until
// one gets the name the link leads to takes it, as a reused number does when a
// modem goes away. Should another program on the machine have taken it first,
// the link is pointed at one of ours: to the console the name leads to a
// stranger all the same.
void strangerBehind(const fs::path& link, std::list<PtyPair>& held) {
    const std::string name = fs::read_symlink(link).string();
    for (int tries = 0; tries < 64; ++tries)
        if (held.emplace_back().slavePath() == name) return;
    const fs::path moved = link.string() + ".stranger";
    fs::create_symlink(held.front().slavePath(), moved);
    fs::rename(moved, link);
}

// The modem's pseudo-terminal closes and another takes its name, silent like
// a second adapter on ttyUSB0; then the modem comes back on a new one behind
// the same link. The console must not settle on the stranger.
TEST(DeviceLoss, TheModemIsFoundBehindItsLinkWhileAnotherDeviceHoldsItsOldName) {
    ModemRig rig;
    ChildProcess& console = rig.startConsole();
    ASSERT_TRUE(lineArrives(rig, "first")) << rig.consoleOutput();

    rig.tellSimulator("pty close");
    ASSERT_TRUE(consoleSays(rig, "orvane: lost COM1", 10s)) << rig.consoleOutput();
    std::list<PtyPair> stranger;
    strangerBehind(rig.portLink(), stranger);
    ASSERT_TRUE(consoleSays(rig, "does not answer as a Modara", 20s)) << rig.consoleOutput();

    rig.tellSimulator("pty new");
    ASSERT_TRUE(consoleSays(rig, "orvane: reopened COM1", 20s)) << rig.consoleOutput();
    EXPECT_TRUE(lineArrives(rig, "second"));
    EXPECT_TRUE(console.running());
}

} // namespace
} // namespace orvane::testing
