#include "ConsoleFixture.h"

#include "e2e/ModemRig.h"
#include "serial/SerialPort.h"
#include "session/PortSession.h"

#include <QLabel>
#include <QTimer>

#include <fstream>

#include <gtest/gtest.h>
#include <termios.h>

namespace orvane {
namespace {

using testing::bytes;
using testing::ModemRig;
using testing::ProcessEnded;

// Two lines of an S-record file and a run of bytes without a line feed.
const std::string kImage =
    "S00600004844521B\r\nS1130000\r\n" + std::string(20, '\x7F') + "\x80\x81";

const std::string kPrep = bytes({0x80, 0x84}), kStart = bytes({0x80, 0x6A, 0x80, 0x07}),
                  kErase = bytes({0x80, 0x0F}), kShutdown = bytes({0x80, 0x09});

struct LoaderConsole : ::testing::Test {
    // Time runs fifty times faster by default: the modem's five-second restart
    // and the loader's limits pass in a fraction of a second.
    explicit LoaderConsole(std::vector<std::string> simulatorArguments = {},
                           double clockScale = 50.0)
        : rig(std::move(simulatorArguments)), t(rig.dir(), clockScale) {
        rig.writeSettings("[system]\r\nComPort=1\r\n");
        std::ofstream(rig.dir() / "cpu.s28", std::ios::binary) << kImage;
    }
    void start() { ASSERT_TRUE(t.startUp()); }
    std::string image() const { return (rig.dir() / "cpu.s28").string(); }
    // Runs the loader to its end; the program ends there.
    void load() {
        before = rig.received().size();
        t.probe.loadFirmware();
        EXPECT_TRUE(
            t.waitFor([&] { return t.processExit.ended && t.probe.sequences().idle(); }, 60000));
    }
    // What the simulator received from the loader, once it ends in `tail`.
    std::string settle(const std::string& tail) {
        t.waitFor([&] { return rig.receivedEndsWith(tail); });
        return rig.received().substr(before);
    }

    ModemRig rig;
    ConsoleUnderTest t;
    std::size_t before = 0;
};

TEST_F(LoaderConsole, TheSimulatorReceivesTheCommandsAndTheImageByteForByte) {
    start();
    t.prompter.chooseNextFile(image());
    t.prompter.answerNext(PromptAnswer::No); // no other image
    load();
    EXPECT_EQ(settle(kShutdown + kShutdown),
              kPrep + kStart + kErase + bytes({0x80, 0x01}) + kImage + kShutdown + kShutdown);
    EXPECT_NE(rig.simulatorLog().find("firmware image of " + std::to_string(kImage.size()) +
                                      " bytes received, result 0A"),
              std::string::npos);
    EXPECT_EQ(t.prompter.texts(),
              (std::vector<std::string>{"Firmware download success! Download another?",
                                        "You must now restart Orvane."}));
    EXPECT_FALSE(t.probe.port().isOpen());
}

TEST_F(LoaderConsole, CancelAtTheFirstFileChoiceLeavesTheConsoleWorkingAt9600) {
    start();
    t.prompter.chooseNextFile(std::nullopt);
    t.probe.loadFirmware();
    ASSERT_TRUE(t.waitFor([&] { return t.probe.sequences().idle(); }));
    EXPECT_FALSE(t.processExit.ended);
    termios line{};
    ASSERT_EQ(::tcgetattr(t.probe.port().port()->fd(), &line), 0);
    EXPECT_EQ(::cfgetospeed(&line), speed_t(B9600));
    rig.tellSimulator(R"(text "still here\r\n")");
    EXPECT_TRUE(t.waitForPane("still here"));
}

struct SlowLoaderConsole : LoaderConsole {
    // The erase is answered after 1.5 s, within the limit even at twice the speed.
    SlowLoaderConsole() : LoaderConsole({"--fw-stall", "erase:1500"}, 2.0) {}
};

TEST_F(SlowLoaderConsole, ASlowEraseIsWaitedForWhileTheWindowKeepsItsMessagesFlowing) {
    start();
    int ticks = 0;
    QString shownName;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        ++ticks;
        auto* panel = t.console.mainWindow().findChild<QWidget*>("pnlFWDownload");
        if (!panel->isVisible() || !shownName.isEmpty()) return;
        shownName = panel->findChild<QLabel*>("FileNameBox")->text();
        // ORVANE_TEST_SHOTS=dir keeps a picture of the window for a person to look at.
        if (qEnvironmentVariableIsSet("ORVANE_TEST_SHOTS"))
            t.console.mainWindow().grab().save(qEnvironmentVariable("ORVANE_TEST_SHOTS") +
                                               "/loader-panel.png");
    });
    heartbeat.start(50);
    t.prompter.chooseNextFile(image());
    t.prompter.answerNext(PromptAnswer::No);
    load();
    EXPECT_EQ(t.prompter.texts().front(), "Firmware download success! Download another?");
    EXPECT_GE(ticks, 20) << "the wait for the erase was spent in the event loop";
    EXPECT_EQ(shownName, "cpu.s28") << "the download panel showed during the erase";
}

struct SilentLoaderConsole : LoaderConsole {
    SilentLoaderConsole() : LoaderConsole({"--fw-stall", "type"}) {}
};

TEST_F(SilentLoaderConsole, ASilentModemIsNamedAndTheProgramCloses) {
    start();
    t.prompter.chooseNextFile(image());
    load();
    EXPECT_EQ(settle(kShutdown), kPrep + kStart + kErase + bytes({0x80, 0x01}) + kShutdown);
    ASSERT_EQ(t.prompter.texts().size(), 1u);
    EXPECT_EQ(
        t.prompter.texts()[0],
        "Modem not responding!\n\nNo answer while erasing the flash memory within 30 seconds.\n\n"
        "Orvane will now close.");
    EXPECT_FALSE(t.probe.port().isOpen());
}

struct FailingLoaderConsole : LoaderConsole {
    FailingLoaderConsole() : LoaderConsole({"--fw-result", "33"}) {}
};

TEST_F(FailingLoaderConsole, AFailedResultIsReportedAndTheProgramCloses) {
    start();
    t.prompter.chooseNextFile(image());
    load();
    EXPECT_EQ(settle(kShutdown),
              kPrep + kStart + kErase + bytes({0x80, 0x01}) + kImage + kShutdown);
    EXPECT_EQ(t.prompter.texts(), std::vector<std::string>{"Firmware download failed!"});
}

struct EraseFailingConsole : LoaderConsole {
    EraseFailingConsole() : LoaderConsole({"--fw-erase-fail"}) {}
};

TEST_F(EraseFailingConsole, AFailedEraseEndsTheProgramThere) {
    start();
    t.prompter.chooseNextFile(image());
    load();
    EXPECT_EQ(t.prompter.texts(), std::vector<std::string>{"Flash memory erase failed!"});
    EXPECT_TRUE(t.waitFor([&] { return rig.receivedEndsWith(kErase + bytes({0x80, 0x01})); }));
}

struct MemoryFaultConsole : LoaderConsole {
    MemoryFaultConsole() : LoaderConsole({"--selftest", "2"}) {}
};

TEST_F(MemoryFaultConsole, TheStartUpReloadOfferLoadsWithoutPreparingTheModemFirst) {
    t.prompter.answerNext(PromptAnswer::Ok); // "LOD memory error!\n\nReload LOD?"
    t.prompter.chooseNextFile((rig.dir() / "cpu.s28").string());
    t.prompter.answerNext(PromptAnswer::No);
    EXPECT_THROW(t.startUp(), ProcessEnded);
    const std::string handshakeStart = bytes({0x80, 0x41, 0x80, 0x46, 0x80, 0x84, 0x80, 0x02});
    EXPECT_TRUE(t.waitFor([&] { return rig.receivedEndsWith(kShutdown + kShutdown); }));
    EXPECT_EQ(rig.received(), handshakeStart + kStart + kErase + bytes({0x80, 0x01}) + kImage +
                                  kShutdown + kShutdown);
}

} // namespace
} // namespace orvane
