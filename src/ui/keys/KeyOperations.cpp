#include "ui/keys/KeyOperations.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "modes/WordCompare.h"
#include "operations/LinkEnd.h"
#include "operations/OwnCall.h"
#include "operations/PumpLine.h"
#include "operations/TransmitPaneText.h"
#include "operations/TransmitPump.h"
#include "operations/TurnTaking.h"
#include "operations/tones/TestTones.h"
#include "platform/Clock.h"
#include "platform/FileActivity.h"
#include "protocol/CommandBuilders.h"
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
constexpr int kLettersShifts = 12;
} // namespace

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

void KeyOperations::insertLettersShifts() {
    insert(std::string(kLettersShifts, '<'));
}

void KeyOperations::insertCurrencySign() {
    insert("\xA4");
}

void KeyOperations::insertCallExchange() {
    if (!p_.ownCall.allowsOnAir()) return;
    const Settings& s = p_.context.settings;
    insert(s.HISCALL + " DE " + s.MYCALL + " ");
}

void KeyOperations::insertOtherCall() {
    insert(p_.context.settings.HISCALL + " ");
}

void KeyOperations::insertOwnCall() {
    if (!p_.ownCall.allowsOnAir()) return;
    insert(p_.context.settings.MYCALL + " ");
}

void KeyOperations::sendCwIdNow() {
    if (!p_.ownCall.allowsOnAir()) return;
    appendToQueue(command(CommandCode::CWID_NOW));
    p_.timers.startTransientPanel(Control::CwIdBox, kBoxMs);
}

void KeyOperations::queueLetters() {
    appendToQueue(command(CommandCode::BAUDOT_LTRS));
}

void KeyOperations::toggleCwId() {
    Settings& s = p_.context.settings;
    const bool turnOn = !sameWordIgnoringCase(s.CWID, "ON");
    p_.context.surface.setCaption(Control::DisconnectPanel, turnOn ? "CW ID ON" : "CW ID OFF");
    p_.timers.startTransientPanel(Control::DisconnectPanel, kBoxMs);
    p_.panels.checkDialogButton(turnOn ? Control::DialogCwIdOn : Control::DialogCwIdOff);
    s.CWID = turnOn ? "ON" : "OFF";
    p_.context.line.sendCommand(command(turnOn ? CommandCode::CWID_ON : CommandCode::CWID_OFF));
    p_.context.configChanged.set();
}

void KeyOperations::toggleBell() {
    bool& bell = p_.received.BellEnabled;
    bell = !bell;
    p_.context.surface.setCaption(Control::OverBox, bell ? "  BELL ON  " : "  BELL OFF  ");
    p_.timers.startTransientPanel(Control::OverBox, kBoxMs);
}

// Only the setting changes; the P-Mode set-up tells the modem.
void KeyOperations::toggleHuffman() {
    std::string& huffman = p_.context.settings.P_Huffman;
    huffman = sameWordIgnoringCase(huffman, "ON") ? "OFF" : "ON";
    p_.context.configChanged.set();
}

void KeyOperations::markConfigChanged() {
    p_.context.configChanged.set();
}

void KeyOperations::clearTransmitPane() {
    TransmitPaneText& pane = p_.context.txPane;
    pane.setText(QString());
    pane.sendState().reset();
    pane.restoreTypingColour();
    pane.moveCaretToStart();
    p_.endOfLine.queueEndOfLineIfSyncIdle();
}

} // namespace orvane
