// The close box, the window manager's close and Files > Exit ask before they
// cut short a link, a file on its way or text still to send.
#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "records/SessionLog.h"
#include "session/ModemLine.h"

#include <QPlainTextEdit>

#include <fstream>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;

const std::string kDisconnect = testing::bytes({0x80, 0x07});
const std::string kHostShutdown = testing::bytes({0x80, 0x09});

void linkUp(ConsoleUnderTest& t, ModemRig& rig) {
    rig.tellSimulator("status LINKED \"W1AW\" 00");
    ASSERT_TRUE(t.waitFor([&] { return t.probe.link().linkUp; }));
}

TEST(CloseConsole, AsksOnlyWhenALinkATransferOrUnsentTextWouldBeCutShort) {
    const struct {
        const char* what;
        std::function<void(ConsoleUnderTest&, ModemRig&)> setUp;
        bool asks;
    } rows[] = {
        {"nothing at stake", [](ConsoleUnderTest&, ModemRig&) {}, false},
        {"link up", linkUp, true},
        {"text file going out",
         [](ConsoleUnderTest& t, ModemRig& rig) {
             // More than the echoes Quoral lets wait: without a link it stays under way.
             std::ofstream(rig.dir() / "Out" / "long.txt") << std::string(4000, 'Q');
             t.prompter.chooseNextFiles({(rig.dir() / "Out" / "long.txt").string()});
             t.probe.transfers().mnuFilesSendtextfileClick();
         },
         true},
        {"typed text not sent",
         [](ConsoleUnderTest& t, ModemRig&) {
             t.console.mainWindow().transmitPane()->setPlainText("QRV?");
         },
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ModemRig rig;
        rig.writeSettings("[system]\r\nComPort=1\r\n");
        ConsoleUnderTest t(rig.dir());
        ASSERT_TRUE(t.startUp());
        row.setUp(t, rig);
        t.prompter.answerNext(PromptAnswer::Cancel); // stay

        EXPECT_EQ(t.console.mainWindow().close(), !row.asks);
        EXPECT_EQ(t.prompter.asked().size(), row.asks ? 1u : 0u);
        EXPECT_EQ(t.probe.line().goodbyeQueued(), !row.asks) << "staying keeps the console running";
        if (row.asks) {
            EXPECT_TRUE(t.console.mainWindow().isVisible());
            EXPECT_EQ(t.prompter.asked()[0].caption, "Close Orvane");
        }
    }
}

// Disconnect and close: DISCONNECT, the modem's report of the link's end (or
// the bound), the end in the session log, then the goodbye as the last bytes.
TEST(CloseConsole, DisconnectAndCloseEndsTheLinkBeforeTheGoodbye) {
    const struct {
        const char* what;
        bool modemReports;
        std::string logged;
    } rows[] = {
        {"the modem reports the end", true, "LINK end W1AW\n"},
        {"the modem stays silent", false, "LINK end W1AW (the modem did not report it)\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ModemRig rig;
        rig.writeSettings("[system]\r\nComPort=1\r\n");
        ConsoleUnderTest t(rig.dir(), 20.0); // the bound for the modem's report in under a second
        ASSERT_TRUE(t.startUp());
        if (row.modemReports) {
            linkUp(t, rig);
        } else {
            // A link the modem does not know of: DISCONNECT goes unanswered.
            t.probe.link().linkUp = true;
            t.probe.link().linkedCall = "W1AW";
        }
        t.prompter.answerNext(PromptAnswer::Ok); // disconnect and close
        bool closed = false;
        QObject::connect(&t.console, &Console::closed, [&] { closed = true; });
        const std::size_t before = rig.received().size();

        EXPECT_FALSE(t.console.mainWindow().close());
        ASSERT_TRUE(t.waitFor([&] { return closed; }));
        ASSERT_TRUE(t.waitFor([&] { return rig.receivedEndsWith(kHostShutdown); }));
        EXPECT_EQ(rig.received().substr(before), kDisconnect + kHostShutdown);
        EXPECT_EQ(t.probe.link().linkUp, !row.modemReports);
        EXPECT_FALSE(t.console.mainWindow().isVisible());
        std::ifstream log(t.probe.sessionLog().todaysFile());
        const std::string logText{std::istreambuf_iterator<char>(log), {}};
        EXPECT_TRUE(logText.ends_with(row.logged)) << logText;
    }
}

} // namespace
} // namespace orvane
