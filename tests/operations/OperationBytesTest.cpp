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
#include "operations/OwnCall.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "operations/broadcast/Broadcasts.h"
#include "platform/FileActivity.h"
#include "platform/Sound.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionHooks.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "serial/EchoCounter.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompter.h"
#include "terminal/TransmitSendState.h"
#include "ui/operations/ArqCalls.h"
#include "ui/operations/CallPanel.h"
#include "ui/operations/CqAndMessages.h"
#include "ui/operations/HereIsPanel.h"
#include "ui/operations/TransmitKeyFilter.h"
#include "ui/terminal/TransmitPaneEdits.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
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
    void holdRouting(bool) override {}
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

struct NoStatistics final : FileActivity {
    void stopFileActivity() override {}
};

// A station that has set its call sign: the placeholder would keep it off the air.
Settings stationSettings() {
    Settings settings;
    settings.MYCALL = "N0CALL";
    return settings;
}

struct Desk {
    Settings settings = stationSettings();
    ConfigChanged changed;
    LinkState link;
    TerminalModeState terminal;
    testing::FakeModeSurface surface;
    testing::ManualClock clock;
    NoHooks hooks;
    SupervisionTimers timers{clock, link, surface, hooks};
    RecordingLine line;
    QMainWindow window;
    QPlainTextEdit pane;
    TransmitPaneEdits text{pane, settings};
    testing::ScriptedPrompter prompter;
    OwnCallGate ownCall{settings, prompter};
    OperationContext context{settings, changed, link, surface, line, text};
    EchoCounter echoes;
    testing::IdleTransfers transfers;
    NoActivities activities;
    NoStatistics statistics;
    TransmitPump pump{{text, link, terminal, echoes, line, transfers}};
    CallPanel callPanel;
    QWidget receivePane;
    ArqCalls calls{context, ownCall, terminal, prompter, callPanel, window, receivePane};
    TurnTaking turns{context, terminal, timers};
    testing::RecordingSender broadcastCommands;
    testing::FakeBroadcastView broadcastView;
    Broadcasts broadcasts{link, settings, broadcastCommands, surface, broadcastView};
    LinkEnd linkEnd{context, timers, echoes, activities, statistics, broadcasts, transfers};
    // A message folder of its own: the tests of this file run side by side.
    testing::TempDir msgFolder;
    std::filesystem::path msg = msgFolder.path();
    HereIsPanel hereIs{&window};
    CqAndMessages messages{context, ownCall, timers, transfers, MessageFiles(msg), hereIs, window};

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
    {"Escape in the call dialog is Cancel", [](Desk& d) { d.link.operatingMode = M::PMode; },
     [](Desk& d) {
         d.prompter.onNextDialog([](QDialog& dialog) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QApplication::sendEvent(&dialog, &escape);
             return dialog.result();
         });
         d.calls.butConnectClick();
     },
     "\x80\x54"},
    {"the call dialog's close box is Cancel", [](Desk& d) { d.link.operatingMode = M::PMode; },
     [](Desk& d) {
         d.prompter.onNextDialog([](QDialog& dialog) {
             dialog.show();
             dialog.close();
             return dialog.result();
         });
         d.calls.butConnectClick();
     },
     "\x80\x54"},
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
    EXPECT_EQ(fec.pane.toPlainText(), "CQ CQ CQ DE SCALL N0CALL\n");
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

// The station lists hold whole items, quoted where a blank or a comma is
// part of one; a new station replaces the factory placeholder, a 625 call
// is not kept, and the next opening selects the station called last.
TEST(OperationBytes, TheStationListsAfterACall) {
    struct Row {
        const char* what;
        M mode;
        const char* lastCalled;
        const char* list;
        const char* typed;
        const char* listAfter;
        const char* firstEntryShown;
        const char* selectedNextTime;
    };
    const Row rows[] = {
        {"the placeholder gives way", M::Quoral, "HISCALL", "HISCALL", "W1AW", "W1AW", "HISCALL",
         "W1AW"},
        {"a 625 call is not kept", M::Amtor, "SCALL", "SCALL", "DL1ABCD", "SCALL", "SCALL", ""},
        {"quoted items stay whole", M::Quoral, "K1ABC", "\"W1 AW\",K1ABC", "DL1,X",
         "\"W1 AW\",K1ABC,\"DL1,X\"", "W1 AW", "DL1,X"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Desk d;
        d.link.operatingMode = row.mode;
        std::string& list =
            row.mode == M::Amtor ? d.settings.HISCALL476LIST : d.settings.HISCALLLIST;
        (row.mode == M::Amtor ? d.settings.HISCALL476 : d.settings.HISCALL) = row.lastCalled;
        list = row.list;
        QString firstShown;
        d.prompter.onNextDialog([&](QDialog&) {
            firstShown = d.callPanel.CallBox->itemText(0);
            d.callPanel.CallBox->setEditText(QString::fromLatin1(row.typed));
            d.terminal.callTyped = true;
            d.calls.butCallClick();
            return 1;
        });
        d.calls.butConnectClick();
        EXPECT_EQ(list, row.listAfter);
        EXPECT_EQ(firstShown, row.firstEntryShown);
        d.calls.butConnectClick(); // opened again, closed at once
        EXPECT_EQ(d.callPanel.CallBox->currentText(), row.selectedNextTime);
    }
}

// Lines put below the transmit pane's text (OVER, Foxes, the messages) start
// on the pane's empty last line rather than after it: no empty line goes out.
TEST(OperationBytes, LinesGoBelowTheTransmitTextWithoutAnEmptyLine) {
    const struct {
        const char* before;
        QStringList lines;
        const char* after;
    } rows[] = {
        {"HELLO\n", {"+?"}, "HELLO\n+?"},
        {"HELLO", {"+?"}, "HELLO\n+?"},
        {"", {"A", "", "B"}, "A\n\nB"},
        {"X\n", {"A", "", "B"}, "X\nA\n\nB"},
    };
    for (const auto& row : rows) {
        Desk d;
        d.pane.setPlainText(QString::fromLatin1(row.before));
        d.text.appendLines(row.lines);
        EXPECT_EQ(d.pane.toPlainText(), row.after) << row.before;
    }
}

TEST(OperationBytes, TheHereIsPanelOpensAtMessageZeroAndStepsBackToIt) {
    Desk d;
    d.messages.openHereIs(0);
    auto* number = d.hereIs.findChild<QLineEdit*>("edHereIsNumber");
    EXPECT_EQ(number->text(), "0");
    EXPECT_EQ(d.hereIs.edHereIs->toPlainText(), "Here is #0");
    d.messages.butMsgPlusClick();
    EXPECT_EQ(number->text(), "1");
    d.hereIs.HereIsSelector->stepDown();
    EXPECT_EQ(number->text(), "0");
    EXPECT_EQ(d.hereIs.edHereIs->toPlainText(), "Here is #0");
}

// What has gone to the modem cannot be taken back: Backspace at the boundary
// of the sent text sounds the warning and deletes nothing; one further on it
// deletes as usual.
TEST(OperationBytes, BackspaceStopsAtTheSentText) {
    struct Warnings final : Sound {
        void playSystemDefault() override {}
        void playExclamation() override { ++count; }
        void beep() override {}
        void tone(int, int) override {}
        int count = 0;
    } warnings;
    Desk d;
    TransmitKeyFilter filter(d.pane, d.text, d.transfers, warnings);
    d.pane.setPlainText("HELLO");
    d.text.sendState().setSentCount(3);
    const struct {
        int caret;
        const char* after;
        int warnings;
    } rows[] = {{3, "HELLO", 1}, {4, "HELO", 1}};
    for (const auto& row : rows) {
        QTextCursor caret(d.pane.document());
        caret.setPosition(row.caret);
        d.pane.setTextCursor(caret);
        QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(&d.pane, &backspace);
        EXPECT_EQ(d.pane.toPlainText(), row.after) << row.caret;
        EXPECT_EQ(warnings.count, row.warnings) << row.caret;
    }
}

} // namespace
} // namespace orvane
