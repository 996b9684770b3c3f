#pragma once

#include "operations/MessageFiles.h"
#include "operations/OperationContext.h"

class QWidget;

namespace orvane {

class BinaryTransferGuard;
class HereIsPanel;
class OwnCallGate;
class SupervisionTimers;

// Call CQ, the de MY and HIS de MY texts, the "Here is" messages and the
// fox test text, from the mode toolbars.
class CqAndMessages {
public:
    // `hereIs` is centred on `mainWindow`; the timers hold the CQ's answer.
    CqAndMessages(const OperationContext& context, const OwnCallGate& ownCall,
                  SupervisionTimers& timers, BinaryTransferGuard& guard, MessageFiles files,
                  HereIsPanel& hereIs, QWidget& mainWindow);

    void butCallCQClick();
    // The keyboard's Quoral CQ: the command, and the buttons of a call.
    void queueQuoralCq();
    void butDeMYClick();
    void butHISdeMYClick();
    void butMsg0Click();
    void butMsgPlusClick();
    // The panel centred and shown at `number`, its number box focused.
    void openHereIs(int number);
    // The same at message 0, with received items held until it closes.
    void openHereIsHoldingRouting();
    void HereIsSelectorClick();
    void insertHereIs();
    void cancelHereIs();
    void butFoxesClick();

    static constexpr const char* kFoxText =
        "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG'S BACK 0123456789";

private:
    bool transferRunning() const;
    void loadMessage(int number);

    OperationContext ctx_;
    const OwnCallGate& ownCall_;
    SupervisionTimers& timers_;
    BinaryTransferGuard& guard_;
    MessageFiles files_;
    HereIsPanel& hereIs_;
    QWidget& mainWindow_;
};

} // namespace orvane
