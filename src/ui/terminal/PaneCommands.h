#pragma once

#include <functional>

class QAction;
class QPlainTextEdit;
class QWidget;

namespace orvane {

class ReceivePane;
class TransmitSendState;

// The Edit menu and the Clear commands. Edit commands act on whichever of the
// two panes holds the keyboard focus, and do nothing when neither does.
class PaneCommands {
public:
    PaneCommands(ReceivePane& receivePane, QPlainTextEdit& transmitPane, TransmitSendState& sent);

    void undo();
    void cut();
    void copy();
    void paste();
    void selectAll();
    // Opening the Edit menu: Undo only when the focused pane can undo.
    void editMenuOpening(QAction& undo);

    void ClearReceive();
    void ClearTransmit();
    void ClearAll();
    // Runs after the transmit pane was emptied by Clear TX or Clear All (the
    // console queues the end-of-line sequence there when the modem sends sync idle).
    void setAfterTransmitCleared(std::function<void()> hook) {
        afterTransmitCleared_ = std::move(hook);
    }

private:
    enum class Focused { None, Receive, Transmit };
    Focused focused() const;
    template <class OnReceive, class OnTransmit>
    void onFocused(OnReceive onReceive, OnTransmit onTransmit);

    ReceivePane& receive_;
    QPlainTextEdit& transmit_;
    TransmitSendState& sent_;
    std::function<void()> afterTransmitCleared_;
};

} // namespace orvane
