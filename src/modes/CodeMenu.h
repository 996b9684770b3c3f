#pragma once

#include "controls/Control.h"
#include "protocol/link/OperatingMode.h"

#include <string_view>

namespace orvane {

class ConfigChanged;
class ModeSetupRunner;

// The Code menu: choosing a mode stores it and runs its set-up. A click that
// comes while a set-up or another sequence runs is refused, and the checks
// stay on the mode the console holds.
class CodeMenu {
public:
    CodeMenu(ModeSetupRunner& runner, ConfigChanged& configChanged)
        : runner_(runner), configChanged_(configChanged) {}

    void mnuCodeQuoralClick();
    void mnuCodeAmtorClick();
    void mnuCodePModeClick();
    void mnuCodeBaudotClick();
    void mnuCodeAsciiClick();
    void mnuCodePSK31Click();
    void mnuSoundCardTuneClick() {}

    // ResetTimer's action after the modem reported a hardware reset: back to
    // Quoral with the modem programmed again, then the notice goes. While a
    // set-up runs this waits for its end instead of being lost.
    void hardwareResetRecovery();
    // Checks the item of the mode the console holds, and only that one.
    void showHeldMode();

private:
    bool refusedWhileRunning();
    void chooseArqMode(OperatingMode mode, Control connectButton);
    void chooseFskMode(OperatingMode mode, std::string_view panelName);

    ModeSetupRunner& runner_;
    ConfigChanged& configChanged_;
};

} // namespace orvane
