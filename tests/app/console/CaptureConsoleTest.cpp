#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "platform/StatusPanel.h"

#include <QAction>

#include <gtest/gtest.h>

#include <sys/mount.h>

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
        ASSERT_TRUE(t.startUp());
    }
    MainWindow& window() { return t.console.mainWindow(); }
    bool enabled(const char* item) {
        return window().findChild<QAction*>(QString::fromLatin1(item))->isEnabled();
    }
    void saveTo(const std::string& file) {
        t.prompter.chooseNextFile(file);
        window().action(Control::SaveReceivedItem)->trigger();
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
    window().action(Control::SaveReceivedItem)->trigger();
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

    window().action(Control::StopSaveSendItem)->trigger();
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
    EXPECT_FALSE(enabled("mnuFilesStopSaveSend"));
    EXPECT_TRUE(enabled("mnuFilesSendBinaryFile"));
    rig.tellSimulator("text \"after stop\"");
    ASSERT_TRUE(t.waitForPane("after stop"));
    EXPECT_EQ(contents(file), text);
}

TEST_F(CaptureConsole, ALinkFailureClosesTheCaptureAndOffersANewSave) {
    saveTo((rig.dir() / "rx.txt").string());
    ASSERT_FALSE(enabled("mnuFilesSaveRX"));
    rig.tellSimulator("status LINK_FAILED 00");
    ASSERT_TRUE(t.waitFor([&] { return !t.probe.capturing(); }));
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
}

// A file system with no room left: a small tmpfs filled to the brim where the
// test may mount one (root with the right to mount), else /dev/full, which
// answers every write with the same "No space left on device".
class FullFileSystem {
public:
    explicit FullFileSystem(const std::filesystem::path& where) : mountPoint_(where / "full") {
        std::filesystem::create_directories(mountPoint_);
        const std::string target = mountPoint_.string();
        if (::mount("tmpfs", target.c_str(), "tmpfs", 0, "size=16k") != 0) return;
        mounted_ = true;
        std::ofstream filler(mountPoint_ / "filler", std::ios::binary);
        const std::string block(1024, 'x');
        while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush()) {
        }
    }
    ~FullFileSystem() {
        if (mounted_) ::umount(mountPoint_.string().c_str());
    }
    bool isTmpfs() const { return mounted_; }
    std::filesystem::path captureFile() const {
        return mounted_ ? mountPoint_ / "rx.txt" : std::filesystem::path("/dev/full");
    }

private:
    std::filesystem::path mountPoint_;
    bool mounted_ = false;
};

TEST_F(CaptureConsole, AFullDiskStopsTheCaptureAndNamesTheFileAndTheReason) {
    const FullFileSystem full(rig.dir());
    if (!full.isTmpfs() && !std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no way to fill a disk";
    RecordProperty("full_file_system", full.isTmpfs() ? "tmpfs" : "/dev/full");
    const auto file = full.captureFile();
    saveTo(file.string());
    rig.tellSimulator("text \"lost\"");
    ASSERT_TRUE(t.waitForPane("lost"));
    ASSERT_EQ(t.prompter.asked().size(), 1u);
    EXPECT_EQ(t.prompter.asked()[0].text, "Saving received text to " + file.string() +
                                              " stopped: No space left on device.\n"
                                              "0 characters were written.");
    EXPECT_EQ(window().panel(panel::Entry),
              QString::fromStdString(file.filename().string() + ": 0 (stopped)"));
    EXPECT_FALSE(t.probe.capturing());
    EXPECT_TRUE(enabled("mnuFilesSaveRX"));
}

TEST_F(CaptureConsole, AFileThatCannotBeOpenedIsSaidPlainly) {
    saveTo((rig.dir() / "no-such-dir" / "rx.txt").string());
    ASSERT_EQ(t.prompter.texts(), std::vector<std::string>{"Unable to open file."});
    EXPECT_FALSE(t.probe.capturing());
    EXPECT_TRUE(enabled("mnuFilesStopSaveSend"));
}

} // namespace
} // namespace orvane
