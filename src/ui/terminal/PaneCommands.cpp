#include "ui/terminal/PaneCommands.h"

#include "terminal/TransmitSendState.h"
#include "ui/terminal/ReceivePane.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

namespace orvane {

PaneCommands::PaneCommands(ReceivePane& receivePane, QPlainTextEdit& transmitPane,
                           TransmitSendState& sent)
    : receive_(receivePane), transmit_(transmitPane), sent_(sent) {}

PaneCommands::Focused PaneCommands::focused() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == &receive_) return Focused::Receive;
    if (focus == &transmit_) return Focused::Transmit;
    return Focused::None;
}

// Runs the receive pane's or the transmit pane's variant of a command,
// whichever pane has the focus. Received text still being gathered goes into
// the pane first, so the command sees all of it.
template <class OnReceive, class OnTransmit>
void PaneCommands::onFocused(OnReceive onReceive, OnTransmit onTransmit) {
    switch (focused()) {
    case Focused::Receive:
        receive_.flushPending();
        onReceive(receive_);
        break;
    case Focused::Transmit: onTransmit(transmit_); break;
    case Focused::None: break;
    }
}

void PaneCommands::undo() {
    onFocused([](ReceivePane& p) { p.undo(); }, [](QPlainTextEdit& p) { p.undo(); });
}

void PaneCommands::cut() {
    onFocused(
        [](ReceivePane& p) {
            p.setFocus();
            p.cut();
        },
        [](QPlainTextEdit& p) { p.cut(); });
}

void PaneCommands::copy() {
    onFocused([](ReceivePane& p) { p.copy(); }, [](QPlainTextEdit& p) { p.copy(); });
}

void PaneCommands::paste() {
    onFocused([](ReceivePane& p) { p.paste(); }, [](QPlainTextEdit& p) { p.paste(); });
}

void PaneCommands::selectAll() {
    onFocused([](ReceivePane& p) { p.selectAll(); }, [](QPlainTextEdit& p) { p.selectAll(); });
}

void PaneCommands::editMenuOpening(QAction& undo) {
    undo.setEnabled(false);
    onFocused([&](ReceivePane& p) { undo.setEnabled(p.isUndoAvailable()); },
              [&](QPlainTextEdit& p) { undo.setEnabled(p.document()->isUndoAvailable()); });
}

void PaneCommands::ClearReceive() {
    receive_.clearReceived();
}

void PaneCommands::ClearTransmit() {
    transmit_.clear();
    // What the operator types or pastes next leaves from its first character,
    // even before the pump has seen the empty pane.
    sent_.paneEmptied();
    if (afterTransmitCleared_) afterTransmitCleared_();
}

void PaneCommands::ClearAll() {
    ClearReceive();
    ClearTransmit();
}

} // namespace orvane
