// An operator who is quicker than the modem: the configuration dialog closed with OK, then
// F9 and Call at once, while the apply and the Quoral set-up it carries are still going out.
#include "e2e/ModemRig.h"
#include "e2e/VirtualDisplay.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string hex(const std::string& text) {
    std::istringstream in(text);
    std::string bytes;
    for (std::string pair; in >> pair;)
        bytes.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
    return bytes;
}

// "80 11 80 57" for a failure message that can be read.
std::string toHexText(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        if (!text.empty()) text += ' ';
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

// The Quoral set-up as the start-up and the apply send it for ALPHA.
const std::string kQuoralSetUp =
    hex("80 41 80 46 80 4D 80 80 80 63 80 04 80 DB 80 65 80 01 80 61 80 1E 80 60 80 0A 80 62 80 14 "
        "80 68 80 01 80 13 80 41 80 4C 80 50 80 48 80 41 80 00 80 51 80 54 80 56 80 5A 80 59");

TEST(KeysDuringSetUp, OkThenF9AndCallGoOutOnlyAfterTheWholeApplyAndSetUp) {
    if (!VirtualDisplay::available()) GTEST_SKIP() << "needs Xvfb and xdotool (scripts/bootstrap)";
    ModemRig rig;
    VirtualDisplay x(rig.dir());
    rig.writeSettings("[system]\r\nComPort=1\r\n[callsigns]\r\nMYCALL=ALPHA\r\nHISCALL=W1AW\r\n"
                      "HISCALLLIST=W1AW\r\n");
    const pid_t console = rig.startConsoleOnDisplay(x.name()).pid();
    const auto main = x.window(console, "^Zarvel Orvane", 30s);
    ASSERT_TRUE(main) << rig.consoleOutput();
    ASSERT_TRUE(waitUntil([&] { return rig.receivedEndsWith(kQuoralSetUp); }, 30s));
    const std::size_t before = rig.received().size();

    std::optional<std::string> dialog;
    for (int attempt = 0; attempt < 10 && !dialog; ++attempt) {
        x.focus(*main);
        x.keys("alt+o");
        x.keys("c");
        dialog = x.window(console, "Configuration$", 2s);
        if (!dialog) x.keys("Escape");
    }
    ASSERT_TRUE(dialog) << "the configuration dialog did not open\n" << x.titles(console);
    x.focus(*dialog);
    x.click(*dialog, 52, 23, "F9"); // OK, at the dialog's lower right
    // Call as soon as the call dialog is there: the set-up is still going out.
    const auto callDialog = x.window(console, "^Select call$", 10s);
    ASSERT_TRUE(callDialog) << x.titles(console);
    x.click(*callDialog, 191, 19); // Call
    const std::size_t sentByTheCall = rig.received().size() - before;

    const std::string call =
        hex("80 10 80 57 80 31 80 41 80 57 80 00"); // QUORAL_CALL_ROBUST "W1AW"
    ASSERT_TRUE(waitUntil([&] { return rig.receivedContains(call); }, 30s))
        << toHexText(rig.received().substr(before));
    const std::string apply = hex("80 67 80 00 80 45 80 48 80 6C 80 01 80 6C 80 28 80 DB");
    const std::string adaptive = hex("80 54"); // the call dialog opens adaptive
    EXPECT_EQ(toHexText(rig.received().substr(before)),
              toHexText(apply + kQuoralSetUp + adaptive + call));
    // Confirmed while the set-up was still on its way: only the sequence could hold it back.
    EXPECT_LT(sentByTheCall, (apply + kQuoralSetUp).size());

    // The link the call made is the console's: logged, and not overwritten by the set-up.
    ASSERT_TRUE(waitUntil(
        [&] { return rig.sessionLog().find("LINK start W1AW") != std::string::npos; }, 30s));
    x.screenshotIfAsked("call-after-apply.png");
    rig.console().signal(SIGTERM);
    EXPECT_EQ(rig.console().waitForExit(10s), 0);
}

} // namespace
} // namespace orvane::testing
