#include "ui/keys/KeyOperations.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "modes/TerminalModeState.h"
#include "modes/WordCompare.h"
#include "operations/LinkEnd.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "operations/tones/TestTones.h"
#include "platform/Clock.h"
#include "platform/FileActivity.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkButtons.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "serial/ReceivedCharHandler.h"
#include "serial/RoutingFlags.h"
#include "terminal/ReceiveSaving.h"
#include "ui/config/ConfigurationWindows.h"
#include "ui/keys/KeyPanels.h"
#include "ui/operations/ArqCalls.h"
#include "ui/operations/CqAndMessages.h"
#include "ui/terminal/PaneCommands.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace orvane {
namespace {
constexpr int kBoxMs = 1000;
constexpr int kBroadcastDisconnectMs = 3500;
constexpr int kLettersShifts = 12;

bool isArq(OperatingMode m) {
    return m == OperatingMode::Quoral || m == OperatingMode::Amtor || m == OperatingMode::PMode;
}
} // namespace

void KeyOperations::runKeyAction(KeyAction action) {
    Settings& s = p_.context.settings;
    switch (action) {
    case KeyAction::HelpRequest:
        // The contents page of the help file; none is configured, so nothing
        // shows. The key list is under "Hot &Keys".
        break;
    case KeyAction::CwIdNow:
        appendToQueue(command(CommandCode::CWID_NOW));
        p_.context.timers.startTransientPanel(Control::CwIdBox, kBoxMs);
        break;
    case KeyAction::HereIsMessages: p_.messages.openHereIs(0); break;
    case KeyAction::HereIsMessagesPausingRouting:
        p_.context.routing.RoutingPaused = true;
        p_.messages.openHereIs(0);
        break;
    case KeyAction::PanicReset: p_.linkEnd.panicReset(); break;
    case KeyAction::TestTones: p_.tones.openFromKey(); break;
    case KeyAction::QuoralCq: queueQuoralCq(); break;
    case KeyAction::TxEnableToggleNoAscii: p_.turns.toggleTxEnabledFromKey(false); break;
    case KeyAction::TxEnableToggle: p_.turns.toggleTxEnabledFromKey(true); break;
    case KeyAction::InsertDate: insertStamp(TimeStamp::Date); break;
    case KeyAction::InsertTimeAndDate: insertStamp(TimeStamp::TimeAndDate); break;
    case KeyAction::InsertTime: insertStamp(TimeStamp::Time); break;
    case KeyAction::InsertDateTimeGroup: insertStamp(TimeStamp::DateTimeGroup); break;
    case KeyAction::SaveRx: p_.saving.mnuFilesSaveRXClick(); break;
    case KeyAction::StopDiskSaveSend: p_.saving.mnuFilesStopSaveSendClick(); break;
    case KeyAction::QueueLetters: appendToQueue(command(CommandCode::BAUDOT_LTRS)); break;
    case KeyAction::CwIdToggle: toggleCwId(); break;
    case KeyAction::OwnCallPanel: p_.panels.openMycallPanel(); break;
    case KeyAction::PolarityToggle: togglePolarity(); break;
    case KeyAction::PrintSquelch: p_.configuration.openPrintSquelch(); break;
    case KeyAction::Foxes: p_.messages.butFoxesClick(); break;
    case KeyAction::RateStep: p_.turns.butRttyRateClick(); break;
    case KeyAction::ClearReceive: p_.panes.ClearReceive(); break;
    case KeyAction::ClearTransmit: clearTransmitPane(); break;
    case KeyAction::MarkConfigChanged: p_.context.configChanged.set(); break;
    case KeyAction::InsertLettersShifts: insert(std::string(kLettersShifts, '<')); break;
    case KeyAction::HuffmanToggle: toggleHuffman(); break;
    case KeyAction::BellToggle: toggleBell(); break;
    case KeyAction::InsertCurrencySign: insert("\xA4"); break;
    case KeyAction::OtherCallPanel: p_.panels.openHisCallPanel(); break;
    case KeyAction::ForcedOver: p_.turns.forcedOver(); break;
    case KeyAction::AudioChannelPanel: p_.panels.openAFChannelPanel(); break;
    case KeyAction::PModeTonesPanel: p_.panels.openPModeTonesPanel(); break;
    case KeyAction::FskTonesPanel: p_.panels.openFSKTonesPanel(); break;
    case KeyAction::InsertCallExchange: insert(s.HISCALL + " DE " + s.MYCALL + " "); break;
    case KeyAction::InsertOtherCall: insert(s.HISCALL + " "); break;
    case KeyAction::InsertOwnCall: insert(s.MYCALL + " "); break;
    case KeyAction::Over: insertOver(); break;
    case KeyAction::EndOfTransmission: endTransmission(); break;
    case KeyAction::Nothing: break;
    case KeyAction::CallDialog: p_.calls.callDialogFromKey(); break;
    }
}

// The pane's selection gives way to the text, wherever the focus is; the
// pump sends it as if typed.
void KeyOperations::insert(const std::string& text) {
    p_.context.txPane.insertAtCaret(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void KeyOperations::appendToQueue(const ModemCommand& command) {
    const auto& bytes = command.bytes();
    p_.context.line.appendRaw({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

void KeyOperations::insertStamp(TimeStamp kind) {
    insert(timeStampText(kind, p_.clock.now()));
}

void KeyOperations::queueQuoralCq() {
    p_.context.line.sendCommand(textCommand(CommandCode::QUORAL_CQ, ""));
    showLinkButtons(p_.context.surface, Toolbar::Quoral, LinkSituation::CallRequested);
}

void KeyOperations::toggleCwId() {
    Settings& s = p_.context.settings;
    const bool turnOn = !sameWordIgnoringCase(s.CWID, "ON");
    p_.context.surface.setCaption(Control::DisconnectPanel, turnOn ? "CW ID ON" : "CW ID OFF");
    p_.context.timers.startTransientPanel(Control::DisconnectPanel, kBoxMs);
    p_.panels.checkDialogButton(turnOn ? Control::DialogCwIdOn : Control::DialogCwIdOff);
    s.CWID = turnOn ? "ON" : "OFF";
    p_.context.line.sendCommand(command(turnOn ? CommandCode::CWID_ON : CommandCode::CWID_OFF));
    p_.context.configChanged.set();
}

// The NORM/REV button's change, kept for the next save as well.
void KeyOperations::togglePolarity() {
    p_.turns.butNormRevClick();
    p_.context.configChanged.set();
}

void KeyOperations::toggleBell() {
    bool& bell = p_.received.BellEnabled;
    bell = !bell;
    p_.context.surface.setCaption(Control::OverBox, bell ? "  BELL ON  " : "  BELL OFF  ");
    p_.context.timers.startTransientPanel(Control::OverBox, kBoxMs);
}

// Only the setting changes; the P-Mode set-up tells the modem.
void KeyOperations::toggleHuffman() {
    std::string& huffman = p_.context.settings.P_Huffman;
    huffman = sameWordIgnoringCase(huffman, "ON") ? "OFF" : "ON";
    p_.context.configChanged.set();
}

void KeyOperations::clearTransmitPane() {
    TransmitPaneText& pane = p_.context.txPane;
    pane.setText(QString());
    p_.pump.resetSendState();
    pane.restoreTypingColour();
    pane.moveCaretToStart();
    p_.endOfLine.queueEndOfLineIfSyncIdle();
}

void KeyOperations::insertOver() {
    insert("+?\n");
    if (p_.context.txPane.isEmpty()) p_.turns.showOverBox(" OVER ");
}

void KeyOperations::showDisconnectPanel(int ms) {
    p_.context.timers.startTransientPanel(Control::DisconnectPanel, ms);
}

// F7: three Z in a row end the link when the pump sends them; an empty pane
// disconnects at once.
void KeyOperations::endTransmission() {
    const OperatingMode mode = p_.context.link.operatingMode;
    TransmitPaneText& pane = p_.context.txPane;
    const bool atLineStart = pane.caretAtLineStart();
    const std::string zText = atLineStart ? "ZZZZ\n\n" : "\nZZZZ\n\n";
    if (p_.context.link.linkUp && isArq(mode)) {
        if (pane.isEmpty()) {
            p_.context.line.sendCommand(command(CommandCode::DISCONNECT));
            showDisconnectPanel(kBoxMs);
        } else if (atLineStart || mode == OperatingMode::Amtor) {
            insert(zText);
        }
    } else if (isBroadcast(mode)) {
        if (pane.isEmpty()) {
            p_.context.line.sendCommand(command(CommandCode::DISCONNECT));
            showDisconnectPanel(kBroadcastDisconnectMs);
        } else {
            insert(zText);
            p_.context.line.sendCommand(command(CommandCode::DISCONNECT));
        }
    } else if (isFsk(mode) && !pane.isEmpty()) {
        insert(zText);
    }
}

} // namespace orvane
