#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "platform/StatusPanel.h"

#include <QAction>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace orvane {
namespace {

using testing::ModemRig;

struct CaptureConsole : ::testing::Test {
    ModemRig rig;
    ConsoleUnderTest t{rig.dir()};

    void SetUp() override {
        rig.writeSettings("[system]\r\nComPort=1\r\nCode=QUORAL\r\n");
        ASSERT_TRUE(t.console.runStartupSequence());
    }
    MainWindow& window() { return t.console.mainWindow(); }
    bool enabled(const char* item) { return window().action(item)->isEnabled(); }
    void saveTo(const std::string& file) {
        t.prompter.chooseNextFile(file);
        window().action("mnuFilesSaveRX")->trigger();
    }
    static std::string contents(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
};

TEST_F(CaptureConsole, KeepsExactlyWhatTheModemDeliveredUntilStop) {
    t.prompter.chooseNextFile(std::nullopt);
    window().action("mnuFilesSaveRX")->trigger();
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
    EXPECT_FALSE(enabled("mnuFilesStopSaveSend"));

    const auto file = rig.dir() / "rx.txt";
    saveTo(file.string());
    EXPECT_EQ(window().panel(panel::Entry), "rx.txt: 0");
    EXPECT_FALSE(enabled("mnuFilesSaveRX"));
    EXPECT_TRUE(enabled("mnuFilesStopSaveSend"));

    const std::string text = "CQ CQ DE ZX9ORV ZX9ORV PSE K 0123456789 the quick brown fox";
    rig.tellSimulator("text \"" + text + "\"");
    ASSERT_TRUE(t.waitForPane(QString::fromStdString(text)));
    EXPECT_EQ(contents(file), text);
    EXPECT_EQ(window().panel(panel::Entry), QString("rx.txt: %1").arg(text.size()));

    window().action("mnuFilesStopSaveSend")->trigger();
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
    EXPECT_FALSE(enabled("mnuFilesStopSaveSend"));
    EXPECT_TRUE(enabled("mnuFilesSendBinaryFile"));
    rig.tellSimulator("text \"after stop\"");
    ASSERT_TRUE(t.waitForPane("after stop"));
    EXPECT_EQ(contents(file), text);
}

TEST_F(CaptureConsole, AFullDiskStopsTheCaptureAndNamesTheFileAndTheReason) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    saveTo("/dev/full");
    rig.tellSimulator("text \"lost\"");
    ASSERT_TRUE(t.waitForPane("lost"));
    ASSERT_EQ(t.prompter.asked().size(), 1u);
    EXPECT_EQ(t.prompter.asked()[0].text,
              "Saving received text to /dev/full stopped: No space left on device.\n"
              "0 characters were written.");
    EXPECT_EQ(window().panel(panel::Entry), "full: 0 (stopped)");
    EXPECT_FALSE(t.console.capture().isOn());
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
}

TEST_F(CaptureConsole, AFileThatCannotBeOpenedIsSaidPlainly) {
    saveTo((rig.dir() / "no-such-dir" / "rx.txt").string());
    ASSERT_EQ(t.prompter.texts(), std::vector<std::string>{"Unable to open file."});
    EXPECT_FALSE(t.console.capture().isOn());
    EXPECT_TRUE(enabled("mnuFilesStopSaveSend"));
}

} // namespace
} // namespace orvane
