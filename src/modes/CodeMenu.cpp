#include "modes/CodeMenu.h"

#include "config/ConfigChanged.h"
#include "modes/ModeSetupRunner.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "protocol/link/LinkState.h"

#include <string>

namespace orvane {

void CodeMenu::mnuCodeQuoralClick() {
    chooseArqMode(OperatingMode::Quoral, Control::QuoralConnect);
}

void CodeMenu::mnuCodeAmtorClick() {
    chooseArqMode(OperatingMode::Amtor, Control::AmtorConnect);
}

void CodeMenu::mnuCodePModeClick() {
    chooseArqMode(OperatingMode::PMode, Control::PModeConnect);
}

void CodeMenu::mnuCodeBaudotClick() {
    chooseFskMode(OperatingMode::Baudot, "Baudot");
}

void CodeMenu::mnuCodeAsciiClick() {
    chooseFskMode(OperatingMode::Ascii, "ASCII");
}

void CodeMenu::mnuCodePSK31Click() {
    if (refusedWhileRunning()) return;
    runner_.runSetup(OperatingMode::Psk31);
}

// The menu item checked itself when clicked; a refused click leaves every
// check where the mode the console holds puts it.
bool CodeMenu::refusedWhileRunning() {
    if (!runner_.isRunning()) return false;
    showHeldMode();
    return true;
}

void CodeMenu::showHeldMode() {
    ModeContext& context = runner_.context();
    checkModeItem(context, context.link.operatingMode);
}

void CodeMenu::hardwareResetRecovery() {
    runner_.whenIdle([this] {
        mnuCodeQuoralClick();
        runner_.context().surface.hidePanel(Control::HardwareResetPanel);
    });
}

void CodeMenu::chooseArqMode(OperatingMode mode, Control connectButton) {
    if (refusedWhileRunning()) return;
    ModeContext& context = runner_.context();
    checkModeItem(context, mode);
    context.surface.setCaption(connectButton, "Connect");
    configChanged_.set();
    runner_.runSetup(mode);
}

void CodeMenu::chooseFskMode(OperatingMode mode, std::string_view panelName) {
    if (refusedWhileRunning()) return;
    ModeContext& context = runner_.context();
    setOperatingMode(context, mode);
    checkModeItem(context, mode);
    context.surface.setPanel(panel::Mode, std::string(panelName));
    context.surface.setPanel(panel::Link, "");
    configChanged_.set();
    runner_.runSetup(mode);
}

} // namespace orvane
