#pragma once

#include "operations/MessageFiles.h"
#include "operations/OperationContext.h"

namespace orvane {

class BinaryTransferGuard;
class HereIsPanel;

// Call CQ, the de MY and HIS de MY texts, the "Here is" messages and the
// fox test text, from the mode toolbars.
class CqAndMessages {
public:
    CqAndMessages(const OperationContext& context, BinaryTransferGuard& guard, MessageFiles files,
                  HereIsPanel& hereIs);

    void butCallCQClick();
    void butDeMYClick();
    void butHISdeMYClick();
    void butMsg0Click();
    void butMsgPlusClick();
    // The panel centred and shown at `number`, its number box focused.
    void openHereIs(int number);
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
    BinaryTransferGuard& guard_;
    MessageFiles files_;
    HereIsPanel& hereIs_;
};

} // namespace orvane
