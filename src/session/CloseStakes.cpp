#include "session/CloseStakes.h"

namespace orvane {

CloseQuestion closeQuestion(const CloseStakes& stakes) {
    std::string text = "Closing now would cut short:\n";
    if (stakes.linkUp)
        text += "\n- the link" + (stakes.linkedCall.empty() ? "" : " with " + stakes.linkedCall);
    if (stakes.transferRunning) text += "\n- the file transfer running";
    if (stakes.unsentText) text += "\n- the text not yet sent from the transmit pane";
    if (stakes.linkUp)
        return {"Close Orvane", text + "\n\nDisconnect first and then close, or stay?",
                "&Disconnect and close", "&Stay"};
    return {"Close Orvane", text + "\n\nClose anyway, or stay?", "&Close anyway", "&Stay"};
}

} // namespace orvane
