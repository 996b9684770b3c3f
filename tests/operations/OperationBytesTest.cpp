// The bytes each toolbar operation puts on the line, in the situations where a
// slip would go out on the air: literal bytes, from the command list.
#include "FakeBroadcastView.h"
#include "RecordingSender.h"

#include "IdleTransfers.h"
#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "e2e/ChildProcess.h"
#include "modes/FakeModeSurface.h"
#include "modes/TerminalModeState.h"
#include "operations/LinkEnd.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "operations/broadcast/Broadcasts.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionHooks.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "serial/EchoCounter.h"
#include "serial/RoutingFlags.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompter.h"
#include "terminal/TransmitSendState.h"
#include "ui/operations/ArqCalls.h"
#include "ui/operations/CallPanel.h"
#include "ui/operations/CqAndMessages.h"
#include "ui/operations/HereIsPanel.h"
#include "ui/terminal/TransmitPaneEdits.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace orvane {
namespace {

using M = OperatingMode;
using namespace std::string_literals;

// The line: what was queued (commands and text alike) and what went ahead of it.
class RecordingLine final : public PumpLine {
public:
    std::size_t pending() override { return 0; }
    void setWriteLimit(std::size_t) override {}
    void sendText(std::string_view b) override { queued += b; }
    void sendCommand(const ModemCommand& c) override {
        queued.append(c.bytes().begin(), c.bytes().end());
    }
    void sendImmediate(std::string_view b) override { immediate += b; }
    void clearQueue() override { queued.clear(); }
    void appendRaw(std::string_view b) override { queued += b; }
    OutputHold outputHold() override { return OutputHold::None; }
    std::string queued, immediate;
};

struct NoHooks final : SupervisionHooks {
    void setDtr() override {}
    void modemSilenceShutdown() override {}
    void hardwareResetRecovery() override {}
};

struct NoActivities final : ConsoleActivities {
    void stopTextFileSend() override {}
    void closeFileActivities() override {}
    void setEndOfLine(const std::string&, EndOfLineWords) override {}
};

struct Desk {
    Settings settings;
    ConfigChanged changed;
    LinkState link;
    TerminalModeState terminal;
    testing::FakeModeSurface surface;
    testing::ManualClock clock;
    NoHooks hooks;
    SupervisionTimers timers{clock, link, surface, hooks};
    RecordingLine line;
    RoutingFlags routing;
    QMainWindow window;
    QPlainTextEdit pane;
    TransmitPaneEdits text{pane, settings};
    testing::ScriptedPrompter prompter;
    OperationContext context{settings, changed, link, terminal, surface, timers,
                             line,     routing, text, prompter, window};
    EchoCounter echoes;
    testing::IdleTransfers transfers;
    NoActivities activities;
    TransmitSendState sent;
    TransmitPump pump{{text, sent, link, terminal, echoes, line, transfers, transfers}};
    CallPanel callPanel;
    QWidget receivePane;
    ArqCalls calls{context, callPanel, receivePane};
    TurnTaking turns{context};
    testing::RecordingSender broadcastCommands;
    testing::FakeBroadcastView broadcastView;
    Broadcasts broadcasts{link, settings, broadcastCommands, surface, broadcastView};
    LinkEnd linkEnd{context, pump, echoes, activities, broadcasts, transfers};
    // A message folder of its own: the tests of this file run side by side.
    testing::TempDir msgFolder;
    std::filesystem::path msg = msgFolder.path();
    HereIsPanel hereIs{&window};
    CqAndMessages messages{context, transfers, MessageFiles(msg), hereIs};

    // The call dialog: the call typed, then Call.
    void call(const QString& sign) {
        prompter.onNextDialog([this, sign](QDialog&) {
            callPanel.CallBox->setEditText(sign);
            terminal.callTyped = true;
            calls.butCallClick();
            return 1;
        });
        calls.butConnectClick();
    }
};

struct Case {
    const char* what;
    std::function<void(Desk&)> given;
    std::function<void(Desk&)> when;
    std::string queued;
    std::string immediate = {};
};

const Case kCases[] = {
    {"first Quoral call: no waveform command, only Adaptive from the radio", [](Desk&) {},
     [](Desk& d) { d.call("W1AW"); },
     "\x80\x54\x80\x10\x80W\x80"
     "1\x80"
     "A\x80W\x80\x00"s},
    {"manual Quoral call sends the waveform first", [](Desk& d) { d.calls.butShortPathClick(); },
     [](Desk& d) {
         d.callPanel.WaveFormatList->setCurrentRow(2);
         d.line.queued.clear();
         d.prompter.onNextDialog([&d](QDialog&) {
             d.callPanel.CallBox->setEditText("K1");
             d.calls.butCallClick();
             return 1;
         });
         d.calls.butConnectClick();
     },
     "\x80\x64\x80\xE1\x80\x10\x80K\x80"
     "1\x80\x00"s},
    {"AMTOR seven letters: a 625 call", [](Desk& d) { d.link.operatingMode = M::Amtor; },
     [](Desk& d) { d.call("DL1ABCD"); },
     "\x80\x17\x80"
     "D\x80L\x80"
     "1\x80"
     "A\x80"
     "B\x80"
     "C\x80"
     "D\x80\x00"s},
    {"Cancel in P-Mode still turns adaptive on", [](Desk& d) { d.link.operatingMode = M::PMode; },
     [](Desk& d) { d.calls.CancelBtnClick(); }, "\x80\x54"},
    {"Disconnect with a word not yet sent: the Z text, nothing sent",
     [](Desk& d) {
         d.link.linkUp = true;
         d.pane.setPlainText("HELLO");
         d.pane.moveCursor(QTextCursor::End);
     },
     [](Desk& d) { d.linkEnd.butDisconnectClick(); }, ""},
    {"Disconnect on an empty pane", [](Desk& d) { d.link.linkUp = true; },
     [](Desk& d) { d.linkEnd.butDisconnectClick(); }, "\x80\x07"},
    {"Panic drops what is queued",
     [](Desk& d) {
         d.line.queued = "QUEUED";
         d.pane.setPlainText("typed");
     },
     [](Desk& d) { d.linkEnd.butPanicClick(); }, "\x81\x06"},
    {"Forced OVER goes ahead, the queue untouched",
     [](Desk& d) {
         d.link.operatingMode = M::Amtor;
         d.link.issIrs = IssIrs::Irs;
         d.line.queued = "TEXT";
     },
     [](Desk& d) { d.turns.butForcedOverClick(); }, "TEXT", "\x80\x87"},
    {"Forced OVER while ISS does nothing",
     [](Desk& d) {
         d.link.operatingMode = M::Amtor;
         d.link.issIrs = IssIrs::Iss;
     },
     [](Desk& d) { d.turns.butForcedOverClick(); }, ""},
    {"TX enable in Quoral sends nothing", [](Desk&) {}, [](Desk& d) { d.turns.butTXEnableClick(); },
     ""},
    {"rate 110 goes to 45",
     [](Desk& d) {
         d.link.operatingMode = M::Baudot;
         d.settings.B_Rate = 110;
     },
     [](Desk& d) { d.turns.butRttyRateClick(); }, "\x80\xE4\x80\x00"s},
    {"NORM/REV to reverse, RX polarity not the same",
     [](Desk& d) {
         d.link.operatingMode = M::Amtor;
         d.settings.RXPolaritySameAsTX = false;
     },
     [](Desk& d) { d.turns.butNormRevClick(); }, "\x80\x4B\x80\x4C"},
    {"Monitor in P-Mode standby listens", [](Desk& d) { d.link.operatingMode = M::PMode; },
     [](Desk& d) { d.turns.butMonitorClick(); }, "\x80\x58"},
    {"Call CQ in Quoral answers an offered CQ", [](Desk& d) { d.link.answerCqPending = true; },
     [](Desk& d) { d.messages.butCallCQClick(); }, "\x80\x15\x80\x00"s},
    {"Call CQ in AMTOR standby does nothing", [](Desk& d) { d.link.operatingMode = M::Amtor; },
     [](Desk& d) { d.messages.butCallCQClick(); }, ""},
};

TEST(OperationBytes, EachOperationSendsExactly) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Desk d;
        c.given(d);
        c.when(d);
        EXPECT_EQ(d.line.queued, c.queued);
        EXPECT_EQ(d.line.immediate, c.immediate);
    }
}

TEST(OperationBytes, WhatTheOperatorSeesAfterwards) {
    Desk d;
    d.link.linkUp = true;
    d.pane.setPlainText("HELLO");
    d.pane.moveCursor(QTextCursor::End);
    d.linkEnd.butDisconnectClick();
    EXPECT_EQ(d.pane.toPlainText(), "HELLO\nZZZZ\n\n");

    Desk fec;
    fec.link.operatingMode = M::AmtorBroadcast;
    fec.messages.butCallCQClick();
    EXPECT_EQ(fec.pane.toPlainText(), "CQ CQ CQ DE SCALL MYCALL\n");
    fec.linkEnd.butPanicClick();
    EXPECT_EQ(fec.transfers.panics, 1); // a FAX on screen is marked aborted
    EXPECT_EQ(fec.link.operatingMode, M::Amtor);
    EXPECT_TRUE(fec.surface.enabled["butAmtorConnect"]);
    EXPECT_TRUE(fec.pane.toPlainText().isEmpty());

    Desk msg;
    msg.messages.butMsg0Click();
    std::ifstream file(msg.msg / "hereis0.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "Here is #0");
    EXPECT_EQ(msg.pane.toPlainText(), "Here is #0");
    msg.messages.butMsgPlusClick();
    msg.hereIs.HereIsSelector->setValue(10);
    EXPECT_EQ(msg.hereIs.findChild<QLineEdit*>("edHereIsNumber")->text(), "WRU");
    EXPECT_EQ(msg.hereIs.edHereIs->toPlainText(), "WRU");

    Desk standby;
    standby.messages.butFoxesClick();
    EXPECT_TRUE(standby.pane.toPlainText().isEmpty()) << "Foxes in Quoral standby";
}

} // namespace
} // namespace orvane
