#include "modes/CodeMenu.h"

#include "config/ConfigChanged.h"
#include "modes/ModeSetupRunner.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"

#include <string>

namespace orvane {

void CodeMenu::mnuCodeQuoralClick() {
    chooseArqMode(OperatingMode::Quoral, "butQORConnect");
}

void CodeMenu::mnuCodeAmtorClick() {
    chooseArqMode(OperatingMode::Amtor, "butAmtorConnect");
}

void CodeMenu::mnuCodePModeClick() {
    chooseArqMode(OperatingMode::PMode, "butPModeConnect");
}

void CodeMenu::mnuCodeBaudotClick() {
    chooseFskMode(OperatingMode::Baudot, "Baudot");
}

void CodeMenu::mnuCodeAsciiClick() {
    chooseFskMode(OperatingMode::Ascii, "ASCII");
}

void CodeMenu::mnuCodePSK31Click() {
    runner_.runSetup(OperatingMode::Psk31);
}

void CodeMenu::hardwareResetRecovery() {
    runner_.whenIdle([this] {
        mnuCodeQuoralClick();
        runner_.context().surface.hidePanel("HardwareResetPanel");
    });
}

void CodeMenu::chooseArqMode(OperatingMode mode, std::string_view connectButton) {
    if (runner_.isRunning()) return;
    ModeContext& context = runner_.context();
    checkModeItem(context, mode);
    context.surface.setCaption(std::string(connectButton), "Connect");
    configChanged_.set();
    runner_.runSetup(mode);
}

void CodeMenu::chooseFskMode(OperatingMode mode, std::string_view panelName) {
    if (runner_.isRunning()) return;
    ModeContext& context = runner_.context();
    setOperatingMode(context, mode);
    checkModeItem(context, mode);
    context.surface.setPanel(panel::Mode, std::string(panelName));
    context.surface.setPanel(panel::Link, "");
    configChanged_.set();
    runner_.runSetup(mode);
}

} // namespace orvane
