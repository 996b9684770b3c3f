#include "protocol/link/LinkState.h"

namespace orvane {

ListenMode listenModeFromSetting(std::string_view listen) {
    return listen == "ON" ? ListenMode::Listening : ListenMode::Standby;
}

std::string LinkState::standbyText() const {
    return listenMode == ListenMode::Listening ? "STBY-LISTEN" : "STBY";
}

void LinkState::returnToSavedMode() {
    operatingMode = baseMode(savedOperatingMode);
}

void LinkState::clearLinkFlags() {
    linkUp = false;
    answerCqPending = false;
    cqPending = false;
    txActive = false;
    issIrs = IssIrs::Unknown;
}

} // namespace orvane
