#include "e2e/ModemRig.h"

#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::string kHandshake = bytes({0x80, 0x41, 0x80, 0x46, 0x80, 0x84, 0x80, 0x02, 0x80, 0x7B,
                                      0x80, 0x78, 0x80, 0xA0, 0x80, 0x76, 0x80, 0x77});

bool handshakeDone(const ModemRig& rig) {
    return rig.received().size() >= kHandshake.size();
}

TEST(Orvane, StartsInItsFoldersShakesHandsAndSaysGoodbyeOnSigterm) {
    ModemRig rig;
    rig.startConsole();
    ASSERT_TRUE(waitUntil([&] { return handshakeDone(rig); }, 20s)) << rig.consoleOutput();
    EXPECT_EQ(rig.received().substr(0, kHandshake.size()), kHandshake);
    for (const char* name : {"Out", "In", "Config", "Msg"})
        EXPECT_TRUE(fs::is_directory(rig.dir() / name)) << name;

    // Let start-up finish (its last step waits a second) before closing.
    std::this_thread::sleep_for(1500ms);
    rig.console().signal(SIGTERM);
    EXPECT_EQ(rig.console().waitForExit(10s), 0) << rig.consoleOutput();
    EXPECT_TRUE(waitUntil(
        [&] {
            return rig.receivedEndsWith(bytes({0x80, 0x09}));
        },
        5s))
        << rig.simulatorLog();
    // The close always rewrites the settings file.
    EXPECT_NE(readFile(rig.dir() / "Config" / "orvane.ini").find("[screen]\r\n"),
              std::string::npos);
}

TEST(Orvane, TextFromTheModemReachesTheReceivePaneInOrder) {
    ModemRig rig;
    rig.startConsole();
    ASSERT_TRUE(waitUntil([&] { return handshakeDone(rig); }, 20s));
    std::string expected, script;
    for (int i = 0; i < 40; ++i) {
        std::string line = "CQ CQ de ORVANE " + std::to_string(i) + " pse k";
        expected += line + "\n";
        script += line + "\\r\\n";
    }
    rig.tellSimulator("text \"" + script + "\"");
    ASSERT_TRUE(waitUntil([&] { return readFile(rig.dir() / "transcript.txt") == expected; }, 20s))
        << readFile(rig.dir() / "transcript.txt");
    rig.console().signal(SIGINT);
    EXPECT_EQ(rig.console().waitForExit(10s), 0);
}

TEST(Orvane, WorksWithTheFlowControlHardware) {
    ModemRig rig({"--hardware", "800B"});
    rig.startConsole();
    ASSERT_TRUE(waitUntil([&] { return handshakeDone(rig); }, 20s));
    EXPECT_EQ(rig.received().substr(0, kHandshake.size()), kHandshake);
    rig.tellSimulator(R"(text "escaped \x91\x11\x13 bytes\r\n")");
    // Only the printable characters are shown; the escapes and strays are gone.
    EXPECT_TRUE(waitUntil(
        [&] { return readFile(rig.dir() / "transcript.txt") == "escaped  bytes\n"; }, 20s))
        << readFile(rig.dir() / "transcript.txt");
    rig.console().signal(SIGTERM);
    EXPECT_EQ(rig.console().waitForExit(10s), 0);
    EXPECT_TRUE(rig.receivedEndsWith(bytes({0x80, 0x09})));
}

} // namespace
} // namespace orvane::testing
