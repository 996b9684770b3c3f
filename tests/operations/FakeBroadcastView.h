#pragma once

#include "operations/broadcast/BroadcastView.h"

namespace orvane::testing {

// The broadcast dialog and panels, answered from fields the test sets.
class FakeBroadcastView final : public BroadcastView {
public:
    std::optional<std::string> chooseQuoralModulation(const std::string& modulation) override {
        offered = modulation;
        return chosen;
    }
    FecMode checkedFecMode() const override { return fecMode; }
    std::string groupCall() const override { return groupCallText; }
    void setGroupCall(const std::string& text) override { groupCallText = text; }
    bool unprotoAt200() const override { return at200; }
    void focusPanel(Control) override {}

    std::optional<std::string> chosen;
    std::string offered;
    FecMode fecMode = FecMode::ModeB;
    std::string groupCallText;
    bool at200 = false;
};

} // namespace orvane::testing
