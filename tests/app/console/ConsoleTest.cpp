#include "app/Console.h"
#include "ConsoleFixture.h"
#include "ModeSetupWire.h"
#include "config/SettingsFile.h"
#include "e2e/ModemRig.h"
#include "platform/ControlObjects.h"
#include "platform/QtClock.h"
#include "platform/Sound.h"
#include "session/PortSession.h"
#include "support/ScriptedPrompter.h"
#include "ui/broadcast/BroadcastDialog.h"
#include "ui/main/AboutBox.h"
#include "ui/main/MainWindow.h"
#include "ui/main/WindowPlacement.h"
#include "ui/serial/PortDialog.h"
#include "ui/terminal/ReceivePane.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>

#include <algorithm>
#include <csignal>
#include <fstream>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::ModemRig;
using testing::ProcessEnded;
using testing::ScriptedPrompter;
using testing::ThrowingProcessExit;

const std::string kHandshake =
    testing::bytes({0x80, 0x41, 0x80, 0x46, 0x80, 0x84, 0x80, 0x02, 0x80, 0x7B, 0x80, 0x78, 0x80,
                    0xA0, 0x80, 0x76, 0x80, 0x77});

TEST(Console, MissingPortLinkLeadsToThePortDialogAndCancelEndsStartUp) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Config" / "ports");
    std::filesystem::create_symlink("/dev/orvane-unplugged",
                                    dir.path() / "Config" / "ports" / "COM1");
    ConsoleUnderTest t(dir.path());
    t.probe.settings().PortName = "COM1";
    std::ofstream(dir.path() / "Config" / "orvane.ini") << "[system]\r\nComPort=1\r\n";
    QString reason;
    t.prompter.onNextDialog([&](QDialog& dialog) {
        if (dynamic_cast<PortDialog*>(&dialog))
            reason = findControl<QLabel>(dialog, Control::PortDialogReason)->text();
        return int(QDialog::Rejected);
    });

    EXPECT_FALSE(t.startUp());
    EXPECT_FALSE(t.console.mainWindow().isVisible());
    // The port dialog says which device failed and why; nothing after Cancel.
    EXPECT_TRUE(reason.contains("orvane-unplugged")) << reason.toStdString();
    EXPECT_TRUE(t.prompter.asked().empty());
}

// The core names controls by type only: a name in the table that no widget
// of the console carries would leave its control dead without a word. The
// port and broadcast dialogs exist only while they are asked.
TEST(Console, EveryControlOfTheTableIsAWidgetOrActionOfTheConsole) {
    testing::TempDir dir;
    ConsoleUnderTest t(dir.path());
    PortDialog portDialog({});
    BroadcastDialog broadcastDialog(t.prompter);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const ControlName& entry : kControlNames) {
        const QString name = qtObjectName(entry.control);
        const bool found = std::any_of(windows.begin(), windows.end(), [&](const QWidget* window) {
            return window->objectName() == name || window->findChild<QObject*>(name) != nullptr;
        });
        EXPECT_TRUE(found) << entry.objectName;
    }
}

TEST(Console, HandshakeReadsTheSimulatorsIdentityIntoTheAboutBox) {
    ModemRig rig({"--product-id", "4321", "--boot", "8C:05", "--lod", "93:07", "--s28", "A2:0C",
                  "--hardware", "8004"});
    rig.writeSettings("[system]\r\nComPort=1\r\n");
    ConsoleUnderTest t(rig.dir());
    ASSERT_TRUE(t.startUp());
    EXPECT_TRUE(t.console.mainWindow().isVisible());
    EXPECT_EQ(rig.received().substr(0, kHandshake.size()), kHandshake);

    std::map<std::string, QString> fields;
    t.prompter.onNextDialog([&](QDialog& dialog) {
        for (const char* name : {"textProdID", "textEPROM", "textLODVer", "textS28Ver",
                                 "textHardwareVer", "Waveform", "Version"})
            fields[name] = dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
        return int(QDialog::Accepted);
    });
    t.probe.showAbout();
    EXPECT_EQ(fields["textProdID"], "4321");
    EXPECT_EQ(fields["textEPROM"], "12.5");
    EXPECT_EQ(fields["textLODVer"], "3.7H");
    EXPECT_EQ(fields["textS28Ver"], "2.12H");
    EXPECT_EQ(fields["textHardwareVer"], "8004");
    EXPECT_EQ(fields["Waveform"], "3000");
    EXPECT_EQ(fields["Version"], "3.1.4");
    EXPECT_FALSE(t.probe.port().xonXoffFilter().isOn());
}

// While the console waits for its lost modem the operator picks another port
// in the configuration: that one is opened and set up instead.
TEST(Console, APortPickedWhileTheModemIsLostIsOpenedAndSetUpInstead) {
    ModemRig rig, other;
    rig.writeSettings("[system]\r\nComPort=1\r\n");
    std::filesystem::create_symlink(other.portLink(), rig.dir() / "Config" / "ports" / "COM2");
    ConsoleUnderTest t(rig.dir());
    ASSERT_TRUE(t.startUp());

    rig.simulator().signal(SIGKILL); // the adapter is pulled
    ASSERT_TRUE(t.waitFor([&] { return t.probe.waitingForDevice(); }));
    t.probe.settings().PortName = "COM2"; // what the configuration dialog's OK leaves
    // Asked who it is first: the modem's identity query, then the set-up.
    const std::string setup = testing::wire("80 7B " + testing::kCommonSetup);
    ASSERT_TRUE(t.waitFor([&] { return other.received().size() >= setup.size(); }));
    EXPECT_EQ(other.received().substr(0, setup.size()), setup);
    EXPECT_FALSE(t.probe.waitingForDevice());
    EXPECT_EQ(t.probe.port().PortName, "COM2");
    EXPECT_NE(t.prompter.texts().back().find("COM2"), std::string::npos);
}

TEST(Console, FlowControlEscapedModemCompletesTheHandshakeAndItsTextArrivesIntact) {
    ModemRig rig({"--hardware", "800B"});
    rig.writeSettings("[system]\r\nComPort=1\r\n");
    ConsoleUnderTest t(rig.dir());
    ASSERT_TRUE(t.startUp());
    EXPECT_EQ(t.probe.identity().HardwareVersion, "800B");
    EXPECT_TRUE(t.probe.port().xonXoffFilter().isOn());
    EXPECT_EQ(rig.received().substr(0, kHandshake.size()), kHandshake);

    // 0x11, 0x13 and 0x91 travel escaped; strays are sprinkled in between.
    rig.tellSimulator(R"(text "flow \x11\x13 control works\r\n")");
    EXPECT_TRUE(t.waitForPane(QStringLiteral("flow  control works")));
}

TEST(Console, ScriptedBytesReachTheReceivePaneInOrder) {
    ModemRig rig;
    rig.writeSettings("[system]\r\nComPort=1\r\n");
    ConsoleUnderTest t(rig.dir());
    ASSERT_TRUE(t.startUp());
    std::string expected;
    for (int line = 0; line < 20; ++line)
        expected += "line " + std::to_string(line) + " of the script\n";
    std::string script = expected;
    for (size_t at = 0; (at = script.find('\n', at)) != std::string::npos; at += 4)
        script.replace(at, 1, "\\r\\n");
    rig.tellSimulator("text \"" + script + "\"");
    EXPECT_TRUE(t.waitForPane(QString::fromStdString(expected)));
    EXPECT_EQ(t.paneText(), QString::fromStdString(expected));
}

TEST(Console, SilentSelfTestAsksForAnotherPortAfterTwentyFiveSeconds) {
    ModemRig rig({"--silent", "selftest"});
    rig.writeSettings("[system]\r\nComPort=1\r\n");
    ConsoleUnderTest t(rig.dir(), 100.0); // 25 s of console time in a quarter second
    t.prompter.answerNext(PromptAnswer::Ok);
    t.prompter.answerNext(PromptAnswer::No);
    try {
        t.startUp();
        FAIL() << "the console should have ended";
    } catch (const ProcessEnded& ended) {
        EXPECT_EQ(ended.code, 0);
    }
    ASSERT_EQ(t.prompter.asked().size(), 2u);
    EXPECT_EQ(t.prompter.asked()[0].text,
              "Error communicating with modem.\nPlease, check the cable and power connections\n"
              "or reset the modem and try again.");
    EXPECT_EQ(t.prompter.asked()[0].caption, "ERROR");
    EXPECT_EQ(t.prompter.asked()[1].text, "Would you like to try another COM port?");
}

// When the modem stops answering, the save question comes only for a changed
// configuration, and only its OK rewrites the settings file.
TEST(Console, ModemSilenceAsksToSaveOnlyAChangedConfiguration) {
    const std::string stopped = "Modem has stopped responding!\n\nOrvane will now shut down ...";
    const std::string save = "Configuration has changed. Save it?";
    const struct {
        bool changed;
        PromptAnswer answer;
        std::vector<std::string> asked;
        bool saved;
    } rows[] = {
        {false, PromptAnswer::Ok, {stopped}, false},
        {true, PromptAnswer::Ok, {stopped, save}, true},
        {true, PromptAnswer::Cancel, {stopped, save}, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.asked.size() * 10 + int(row.saved));
        ModemRig rig;
        const std::string before = "[system]\r\nComPort=1\r\n";
        rig.writeSettings(before);
        ConsoleUnderTest t(rig.dir());
        ASSERT_TRUE(t.startUp());
        if (row.changed) t.probe.configChanged().set();
        t.prompter.answerNext(PromptAnswer::Ok);
        t.prompter.answerNext(row.answer);
        const std::size_t askedBefore = t.prompter.texts().size();
        EXPECT_THROW(t.probe.modemStoppedResponding(), ProcessEnded);
        const std::vector<std::string> texts = t.prompter.texts();
        EXPECT_EQ(std::vector<std::string>(texts.begin() + long(askedBefore), texts.end()),
                  row.asked);
        EXPECT_EQ(testing::readFile(rig.dir() / "Config" / "orvane.ini") != before, row.saved);
    }
}

TEST(Console, NormalCloseWithNoPriorSettingsWritesTheDefaultTemplate) {
    ModemRig rig;
    ConsoleUnderTest t(rig.dir());
    // No settings file: the port is "COM", which opens nothing; pick COM1.
    t.prompter.onNextDialog([](QDialog& dialog) {
        EXPECT_EQ(static_cast<PortDialog&>(dialog).chosen()->number, 1);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(t.startUp());
    t.console.mainWindow().close();
    EXPECT_TRUE(rig.receivedEndsWith(testing::bytes({0x80, 0x09})) ||
                testing::waitUntil(
                    [&] {
                        return rig.receivedEndsWith(testing::bytes({0x80, 0x09}));
                    },
                    std::chrono::seconds(2)));

    Settings defaults;
    defaults.PortName = "COM1";
    // The main window opened at its first-start size, at least the template's.
    ScreenLayout layout = DefaultScreenLayout(currentScreenMetrics(t.probe.monitorWindows()));
    const QRect main(t.console.mainWindow().pos(), t.console.mainWindow().size());
    EXPECT_GE(main.width(), layout.MainWidth);
    EXPECT_GE(main.height(), layout.MainHeight);
    layout.MainLeft = main.x();
    layout.MainTop = main.y();
    layout.MainWidth = main.width();
    layout.MainHeight = main.height();
    const std::string expected = settingsFileText(defaults, layout, "8004");
    EXPECT_EQ(testing::readFile(rig.dir() / "Config" / "orvane.ini"), expected);
}

} // namespace
} // namespace orvane
