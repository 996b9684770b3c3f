#pragma once

#include "operations/OperationContext.h"

#include <QString>

class QWidget;

namespace orvane {

class CallPanel;
class OwnCallGate;
class Prompter;
struct TerminalModeState;

// Starting a link: the call dialog from the Connect and Call buttons or from
// a call sign picked in the receive pane, the call commands per mode, the
// lists of stations called before, and the own-call panel's OK.
class ArqCalls {
public:
    // The dialog `panel` shows over `mainWindow` from the buttons and over
    // `receivePane` from a key or a picked call; `prompter` runs it.
    ArqCalls(const OperationContext& context, const OwnCallGate& ownCall,
             TerminalModeState& terminal, Prompter& prompter, CallPanel& panel, QWidget& mainWindow,
             QWidget& receivePane);

    void butConnectClick();
    // F9: the dialog over the receive pane, in every mode and state but an
    // ARQ link; P-Mode's is 140 high.
    void callDialogFromKey();
    void callDialogForSelection(const QString& selectedText);
    void butCallClick();
    void CancelBtnClick();
    void butLongPathClick();
    void butShortPathClick();
    // MycallPanel's OK with the text of edMycall.
    void acceptMycall(const QString& ownCall);

    // 0 at start, 1 after Adaptive, 2 after Manual.
    int waveformMode() const { return waveformMode_; }

private:
    void prepare(bool fromReceivePane);
    void checkRadio(bool manual);
    void addNewStation(const QString& call);

    OperationContext ctx_;
    const OwnCallGate& ownCall_;
    TerminalModeState& terminal_;
    Prompter& prompter_;
    CallPanel& panel_;
    QWidget& mainWindow_;
    QWidget& receivePane_;
    int waveformMode_ = 0;
    int lastCallIndex_ = -1;
    bool callIndexKnown_ = false;
    bool preparing_ = false;
};

} // namespace orvane
