// The text file send: one byte per pass while the queue is empty, the menus
// and the progress window on the tick.
#include "transfer/text/TextFileSend.h"
#include "controls/ControlNames.h"
#include "protocol/link/MenuStates.h"
#include "transfer/TransferStation.h"
#include "transfer/text/TextFileView.h"

#include <gtest/gtest.h>

#include <map>

namespace orvane::testing {
namespace {

struct Window final : TextFileView, TextSendMode {
    MenuInputs inputs;
    std::map<std::string, bool> menus; // what the menus show, by object name
    std::string nameLine, sizeLine;
    std::int64_t gauge = -1;
    bool shown = false, paneReleased = false, quoral = false;
    void showProgress(const std::string& n, const std::string& s, std::int64_t,
                      std::int64_t pos) override {
        nameLine = n;
        sizeLine = s;
        gauge = pos;
        shown = true;
    }
    void setGauge(std::int64_t p) override { gauge = p; }
    void hideProgress() override { shown = false; }
    void noteMenus(MenuEvent event) override {
        inputs = after(inputs, event);
        for (const EnabledItem& item : menuStates(inputs).enabled)
            menus[std::string(objectName(item.item))] = item.enabled;
    }
    void releaseTransmitPane() override { paneReleased = true; }
    bool countsTowardEcho(std::uint8_t b) const override { return b != 0x0A || !quoral; }
    OperatingMode operatingMode() const override {
        return quoral ? OperatingMode::Quoral : OperatingMode::Amtor;
    }
};

struct Rig {
    std::filesystem::path dir = FreshDir("text");
    DiskTransferFiles files;
    RecordingLine line;
    EchoCounter echoes;
    Window window;
    RecordingReport report;
    TextFileSend send{files, line, echoes, window, window, report};
    ~Rig() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
};

TEST(TextFileSend, OneByteAPassThenTheMenusComeBackOnTheTick) {
    for (bool quoral : {false, true}) {
        Rig rig;
        rig.window.quoral = quoral;
        WriteFile(rig.dir / "abc.txt", {0x41, 0x42, 0x0A});
        rig.send.start(rig.dir / "abc.txt");
        EXPECT_EQ(rig.window.nameLine, "File name: abc.txt");
        EXPECT_EQ(rig.window.sizeLine, "File size: 3");
        EXPECT_FALSE(rig.window.menus["mnuFilesSendtextfile"]);
        EXPECT_TRUE(rig.window.menus["mnuFilesStopSaveSend"]);
        for (int pass = 1; pass <= 3; ++pass) {
            rig.send.pumpPass();
            EXPECT_EQ(rig.line.sent.size(), static_cast<std::size_t>(pass));
        }
        EXPECT_EQ(rig.line.sent, (Bytes{0x41, 0x42, 0x0A}));
        EXPECT_EQ(rig.echoes.EchoPending(), quoral ? 2 : 3);
        EXPECT_FALSE(rig.send.sendActive());
        EXPECT_TRUE(rig.window.paneReleased);
        rig.send.progressStep();
        EXPECT_EQ(rig.window.gauge, 3);
        EXPECT_FALSE(rig.send.progressActive());
        EXPECT_TRUE(rig.window.shown) << "the window stays with a full gauge";
        EXPECT_EQ(rig.window.menus["mnuFilesSendBinaryFile"], quoral);
        EXPECT_EQ(rig.report.lines, std::vector<std::string>{"sent abc.txt 3 complete"});
        rig.send.stop();
        EXPECT_FALSE(rig.window.shown) << "Stop hides the finished send's window";
        EXPECT_EQ(rig.window.menus["mnuFilesSendBinaryFile"], quoral);
    }
}

TEST(TextFileSend, EmptyFileBusyQueueAndStop) {
    Rig rig;
    WriteFile(rig.dir / "empty.txt", {});
    rig.send.start(rig.dir / "empty.txt");
    rig.send.pumpPass();
    EXPECT_TRUE(rig.line.sent.empty());
    EXPECT_FALSE(rig.send.sendActive());
    EXPECT_TRUE(rig.window.menus["mnuFilesSendtextfile"]);

    struct BusyLine final : TransferLine {
        RecordingLine inner;
        void sendBytes(std::span<const std::uint8_t> b) override { inner.sendBytes(b); }
        void sendCommand(CommandCode) override {}
        std::size_t pendingBytes() override { return 1; }
        void whenEmpty(std::function<void()>) override {}
    } busy;
    TextFileSend send(rig.files, busy, rig.echoes, rig.window, rig.window, rig.report);
    WriteFile(rig.dir / "two.txt", {'a', 'b'});
    send.start(rig.dir / "two.txt");
    send.pumpPass();
    EXPECT_TRUE(busy.inner.sent.empty()) << "nothing goes while the queue holds a byte";
    send.stop();
    EXPECT_FALSE(send.sendActive());
    EXPECT_FALSE(rig.window.shown);
    EXPECT_FALSE(rig.window.menus["mnuFilesStopSaveSend"]);
    EXPECT_EQ(rig.report.lines,
              (std::vector<std::string>{"sent empty.txt 0 complete", "sent two.txt 2 failed"}));
}

} // namespace
} // namespace orvane::testing
