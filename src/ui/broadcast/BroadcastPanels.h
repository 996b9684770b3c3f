#pragma once

#include "operations/broadcast/BroadcastView.h"

class QLineEdit;
class QMainWindow;
class QRadioButton;

namespace orvane {

class Broadcasts;
class Prompter;

// The broadcast choices on the main window, all hidden until asked for:
// FECModePanel (the three AMTOR broadcasts), GroupCallPanel (the group call
// of a selective broadcast: upper case, at most 4 characters) and
// FECRatePanel (the unproto rate); and the Quoral dialog BroadcastDialog.
class BroadcastPanels final : public BroadcastView {
public:
    BroadcastPanels(QMainWindow& window, Prompter& prompter);

    // The panels' buttons go to `broadcasts`.
    void connectTo(Broadcasts& broadcasts);

    // BroadcastView
    std::optional<std::string> chooseQuoralModulation(const std::string& modulation) override;
    FecMode checkedFecMode() const override;
    std::string groupCall() const override;
    void setGroupCall(const std::string& groupCall) override;
    bool unprotoAt200() const override;
    void focusPanel(Control panel) override;

private:
    QMainWindow& window_;
    Prompter& prompter_;
    QRadioButton* modeB_ = nullptr;
    QRadioButton* modeS_ = nullptr;
    QRadioButton* converse_ = nullptr;
    QLineEdit* groupCall_ = nullptr;
    QRadioButton* rate200_ = nullptr;
};

} // namespace orvane
