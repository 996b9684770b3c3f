#include "e2e/ModemRig.h"

#include <csignal>
#include <thread>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const std::string kOperatorsFile =
    "[callsigns]\r\nMYCALL=W1AW\r\n[system]\r\nComPort=1\r\nCode=BAUDOT\r\n";

// What a console that has read the file would write back: the operator's values.
bool keepsTheOperatorsValues(const std::string& text) {
    for (const char* line : {"MYCALL=W1AW\r\n", "ComPort=1\r\n", "Code=BAUDOT\r\n"})
        if (text.find(line) == std::string::npos) return false;
    return true;
}

// A logout or Ctrl-C can land at any moment of start-up, also before the
// settings have been read: the file must never fall back to the defaults.
TEST(StartupSignal, ASigtermAtAnyMomentOfStartupKeepsTheSettings) {
    ModemRig rig;
    const fs::path ini = rig.dir() / "Config" / "orvane.ini";
    for (int delayMs = 0; delayMs <= 690; delayMs += 30) {
        rig.writeSettings(kOperatorsFile);
        ChildProcess& console = rig.startConsole();
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs)); // the moment swept
        console.signal(SIGTERM);
        ASSERT_TRUE(console.waitForExit(20s).has_value()) << "delay " << delayMs;
        const std::string text = readFile(ini);
        EXPECT_TRUE(text == kOperatorsFile || keepsTheOperatorsValues(text))
            << "delay " << delayMs << " ms left:\n"
            << text;
    }
}

// Nobody answers a message box at a signal: a save that fails at the close
// is told on standard error, the operator's file stays, and the console ends.
TEST(StartupSignal, ASigtermWhoseSaveFailsEndsTheConsoleAndKeepsTheFile) {
    ModemRig rig;
    const fs::path ini = rig.dir() / "Config" / "orvane.ini";
    rig.writeSettings(kOperatorsFile);
    ChildProcess& console = rig.startConsole();
    // The modem hears from the console once the settings have been read.
    ASSERT_TRUE(waitUntil([&] { return !rig.received().empty(); }, 20s)) << rig.consoleOutput();
    fs::create_directory(rig.dir() / "Config" / "orvane.ini.tmp"); // no new file can be made

    console.signal(SIGTERM);
    EXPECT_EQ(console.waitForExit(3s), 0) << rig.consoleOutput();
    EXPECT_NE(rig.consoleOutput().find("orvane: Unable to save configuration: "), std::string::npos)
        << rig.consoleOutput();
    EXPECT_EQ(readFile(ini), kOperatorsFile);
}

} // namespace
} // namespace orvane::testing
