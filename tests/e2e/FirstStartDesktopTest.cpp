// A first start from nothing, on a desktop with a window manager: no settings
// file, so no call sign and no port. The welcome window and the port dialog
// come up with the splash out of their way, the placeholder call stays off the
// air, and the call the operator types reaches the modem.
#include "e2e/ModemRig.h"
#include "e2e/VirtualDisplay.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(FirstStartOnADesktop, WelcomesAboveTheSplashAndTakesTheCallWithoutSendingThePlaceholder) {
    if (!VirtualDisplay::windowManagerAvailable())
        GTEST_SKIP() << "needs Xvfb, xdotool, openbox, xprop and wmctrl (scripts/bootstrap)";
    ModemRig rig;
    VirtualDisplay x(rig.dir(), VirtualDisplay::Desktop::WithWindowManager);
    const pid_t console = rig.startConsoleOnDisplay(x.name(), ModemRig::Start::First).pid();

    const auto welcome = x.window(console, "^Welcome to Orvane$", 30s);
    ASSERT_TRUE(welcome) << rig.consoleOutput();
    const auto portDialog = x.window(console, "^Serial Port Error$", 30s);
    ASSERT_TRUE(portDialog) << x.titles(console);
    EXPECT_FALSE(x.window(console, "^Orvane$", 0ms)) << "the splash covers them\n"
                                                     << x.titles(console);
    x.screenshotIfAsked("first-start.png");
    x.focus(*portDialog);
    x.keys("Return"); // OK: the simulator's COM1 link comes first in the list

    const auto main = x.window(console, "^Zarvel Orvane", 30s);
    ASSERT_TRUE(main) << x.titles(console);
    // The start-up set-up tells the modem what the settings hold, as ever.
    const std::string placeholder = bytes(
        {0x80, 0x13, 0x80, 'M', 0x80, 'Y', 0x80, 'C', 0x80, 'A', 0x80, 'L', 0x80, 'L', 0x80, 0x00});
    ASSERT_TRUE(waitUntil([&] { return rig.receivedContains(placeholder); }, 30s));

    // CQ (F9) with the placeholder: refused, with word of how to set the call.
    x.focus(*main);
    x.keys("F9");
    const auto refusal = x.window(console, "^Orvane$", 10s);
    ASSERT_TRUE(refusal) << x.titles(console);
    x.focus(*refusal);
    x.keys("Return");

    x.focus(*welcome);
    x.type("N0TST");
    x.keys("Return");
    const std::string ours =
        bytes({0x80, 0x13, 0x80, 'N', 0x80, '0', 0x80, 'T', 0x80, 'S', 0x80, 'T', 0x80, 0x00});
    ASSERT_TRUE(waitUntil([&] { return rig.receivedContains(ours); }, 30s)) << rig.consoleOutput();
    x.screenshotIfAsked("welcome-after-call.png");
    // Nothing that puts this station's call on the air reached the modem.
    for (const char* command : {"# CWID_NOW", "# QUORAL_CALL", "# QUORAL_BROADCAST", "# QUORAL_CQ"})
        EXPECT_EQ(rig.simulatorLog().find(command), std::string::npos) << command;
    EXPECT_NE(readFile(rig.dir() / "Config" / "orvane.ini").find("MYCALL=N0TST"),
              std::string::npos);

    rig.console().signal(SIGTERM);
    EXPECT_EQ(rig.console().waitForExit(10s), 0);
}

} // namespace
} // namespace orvane::testing
