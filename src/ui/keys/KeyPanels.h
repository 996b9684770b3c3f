#pragma once

#include "controls/Control.h"
#include "operations/OperationContext.h"

#include <QString>

class QWidget;

namespace orvane {

class AFChannelPanel;
class ArqCalls;
class HisCallPanel;
class MycallPanel;
class TonesPanel;

// The panels the keys open over the main window: the own call, the other
// station's call, the Quoral audio channel and the FSK or P-Mode tones, with
// what their buttons do. The tone panels start from what the configuration
// dialog showed when it was last filled, and their O&K tick its radio buttons
// as the dialog would.
class KeyPanels {
public:
    // The panels are children of `mainWindow`; the tone panels read and tick
    // `configurationDialog`.
    KeyPanels(const OperationContext& context, ArqCalls& calls, QWidget& mainWindow,
              QWidget& configurationDialog);

    void openMycallPanel();
    void openHisCallPanel();
    void openAFChannelPanel();
    void openFSKTonesPanel();
    void openPModeTonesPanel();

    void cancelMycall();
    void acceptHisCall();
    void cancelHisCall();
    void acceptAfChannel();
    void cancelAfChannel();
    void acceptFskTones();
    void cancelFskTones();
    void acceptPModeTones();
    void cancelPModeTones();

    // Ticks a radio button of the configuration dialog, as the operator would.
    void checkDialogButton(Control control);

    MycallPanel& mycallPanel() { return *mycall_; }
    HisCallPanel& hisCallPanel() { return *hisCall_; }
    AFChannelPanel& afChannelPanel() { return *afChannel_; }
    TonesPanel& fskTonesPanel() { return *fskTones_; }
    TonesPanel& pmodeTonesPanel() { return *pmodeTones_; }

private:
    void connectButtons();
    void show(Control control, QWidget& panel, QWidget* focus);
    void hideAndReturnFocus(QWidget& panel);
    QString dialogText(Control control) const;

    OperationContext ctx_;
    ArqCalls& calls_;
    QWidget& dialog_;
    MycallPanel* mycall_;
    HisCallPanel* hisCall_;
    AFChannelPanel* afChannel_;
    TonesPanel* fskTones_;
    TonesPanel* pmodeTones_;
};

// The leading decimal number of a tone edit: leading blanks and a sign are
// allowed, text without digits gives 0.
int leadingNumber(const QString& text);

} // namespace orvane
