// The real console under a real window manager: the close box's request
// (WM_DELETE_WINDOW) with a link up asks first, and the question is answered by keys.
#include "e2e/ModemRig.h"
#include "e2e/VirtualDisplay.h"

#include <cstdlib>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(CloseUnderWindowManager, TheCloseBoxKeepsALinkUntilTheOperatorChoosesToDisconnect) {
    if (!VirtualDisplay::windowManagerAvailable())
        GTEST_SKIP() << "needs Xvfb, xdotool, openbox, xprop and wmctrl (scripts/bootstrap)";
    ModemRig rig;
    VirtualDisplay x(rig.dir(), VirtualDisplay::Desktop::WithWindowManager);
    rig.writeSettings("[system]\r\nComPort=1\r\n[callsigns]\r\nMYCALL=ALPHA\r\n");
    ChildProcess& console = rig.startConsoleOnDisplay(x.name());
    const auto main = x.window(console.pid(), "^Zarvel Orvane", 30s);
    ASSERT_TRUE(main) << rig.consoleOutput();
    rig.tellSimulator("status LINKED \"W1AW\" 00");
    ASSERT_TRUE(waitUntil(
        [&] { return rig.sessionLog().find("LINK start W1AW") != std::string::npos; }, 30s));

    // Stay: the question goes and the console keeps the link; asked again, it asks again.
    x.closeRequest(*main);
    auto question = x.window(console.pid(), "^Close Orvane$", 10s);
    ASSERT_TRUE(question) << x.titles(console.pid());
    x.screenshotIfAsked("closing-question.png");
    x.focus(*question);
    x.keys("Escape");
    ASSERT_TRUE(x.gone(console.pid(), *question, 10s));
    EXPECT_FALSE(rig.receivedContains(bytes({0x80, 0x09})));
    EXPECT_EQ(rig.sessionLog().find("LINK end"), std::string::npos);
    const std::size_t before = rig.received().size();

    x.closeRequest(*main);
    question = x.window(console.pid(), "^Close Orvane$", 10s);
    ASSERT_TRUE(question) << "the console did not stay with its link\n" << x.titles(console.pid());
    x.focus(*question);
    x.keys("alt+d"); // Disconnect and close
    EXPECT_EQ(console.waitForExit(20s), 0);

    // DISCONNECT, the modem's DISCONNECTED, then HOST_SHUTDOWN as the last bytes.
    EXPECT_EQ(rig.received().substr(before), bytes({0x80, 0x07, 0x80, 0x09}));
    EXPECT_NE(rig.simulatorLog().find("DISCONNECTED"), std::string::npos);
    EXPECT_NE(rig.sessionLog().find("LINK end W1AW\n"), std::string::npos);
}

} // namespace
} // namespace orvane::testing
