#include "terminal/PaneCommands.h"

#include "terminal/ReceivePane.h"

#include <QAction>
#include <QApplication>
#include <QTextEdit>

namespace orvane {

PaneCommands::PaneCommands(ReceivePane& receivePane, QTextEdit& transmitPane)
    : receive_(receivePane), transmit_(transmitPane) {}

PaneCommands::Focused PaneCommands::focused() const {
    QWidget* focus = QApplication::focusWidget();
    if (focus == &receive_) return Focused::Receive;
    if (focus == &transmit_) return Focused::Transmit;
    return Focused::None;
}

void PaneCommands::Undo1Click() {
    switch (focused()) {
    case Focused::Receive: receive_.undo(); break;
    case Focused::Transmit: transmit_.undo(); break;
    case Focused::None: break;
    }
}

void PaneCommands::Cut1Click() {
    switch (focused()) {
    case Focused::Receive:
        receive_.setFocus();
        receive_.flushPending();
        receive_.cut();
        break;
    case Focused::Transmit: transmit_.cut(); break;
    case Focused::None: break;
    }
}

void PaneCommands::Copy1Click() {
    switch (focused()) {
    case Focused::Receive:
        receive_.flushPending();
        receive_.copy();
        break;
    case Focused::Transmit: transmit_.copy(); break;
    case Focused::None: break;
    }
}

void PaneCommands::Paste1Click() {
    switch (focused()) {
    case Focused::Receive:
        receive_.flushPending();
        receive_.paste();
        break;
    case Focused::Transmit: transmit_.paste(); break;
    case Focused::None: break;
    }
}

void PaneCommands::selectAll1Click() {
    switch (focused()) {
    case Focused::Receive:
        receive_.flushPending();
        receive_.selectAll();
        break;
    case Focused::Transmit: transmit_.selectAll(); break;
    case Focused::None: break;
    }
}

void PaneCommands::Edit1Click(QAction& undo) {
    undo.setEnabled(false);
    switch (focused()) {
    case Focused::Receive: undo.setEnabled(receive_.document()->isUndoAvailable()); break;
    case Focused::Transmit: undo.setEnabled(transmit_.document()->isUndoAvailable()); break;
    case Focused::None: break;
    }
}

void PaneCommands::ClearReceive() { receive_.clearReceived(); }

void PaneCommands::ClearTransmit() {
    transmit_.clear();
    if (afterTransmitCleared_) afterTransmitCleared_();
}

void PaneCommands::ClearAll() {
    ClearReceive();
    ClearTransmit();
}

} // namespace orvane
