#include "ui/config/ConfigurationWindows.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "config/SettingsSaver.h"
#include "modes/ModeSetupRunner.h"
#include "modes/TerminalModeState.h"
#include "platform/Prompter.h"
#include "protocol/handshake/ModemIdentity.h"
#include "protocol/link/LinkState.h"
#include "serial/PortAvailability.h"
#include "ui/config/ConfigurationDialog.h"
#include "ui/config/DisplayTarget.h"
#include "ui/config/PrintSquelchDialog.h"
#include "ui/config/ScreenSettingsDialog.h"

#include <QWidget>

namespace orvane {

ConfigurationWindows::ConfigurationWindows(Environment environment, Facts facts)
    : env_(environment), facts_(std::move(facts)) {
    ModeContext& context = env_.setups.context();
    configurationDialog_ = new ConfigurationDialog(context.settings, env_.configChanged,
                                                   context.messageDirectory, &env_.mainWindow);
    printSquelchDialog_ = new PrintSquelchDialog(context, &env_.mainWindow);
    screenSettingsDialog_ =
        new ScreenSettingsDialog(context.settings, env_.panes, &env_.mainWindow);
    apply_ = std::make_unique<ConfigurationApply>(ConfigurationApply::Environment{
        context, env_.setups, env_.prompter, env_.configChanged, *printSquelchDialog_});
}

ConfigurationWindows::~ConfigurationWindows() = default;

OpeningFacts ConfigurationWindows::openingFacts() const {
    const ModeContext& context = env_.setups.context();
    OpeningFacts facts;
    facts.hardwareVersion = context.hardwareVersion;
    const ModemIdentity& modem = facts_.identity;
    facts.versions = {modem.LodVersion, modem.S28Version,     modem.BootVersion,
                      modem.ProductId,  modem.QuoralWaveform, facts_.softwareVersion};
    for (const PortEntry& port : availablePorts(facts_.baseDir, facts_.deviceRoots))
        facts.ports.push_back({"COM" + std::to_string(port.number), port.device});
    facts.mode = context.link.operatingMode;
    facts.linkUp = context.link.linkUp;
    facts.txActive = context.link.txActive;
    facts.txEnabled = context.terminal.txEnabled;
    facts.listening = context.link.listenMode == ListenMode::Listening;
    return facts;
}

void ConfigurationWindows::openConfiguration() {
    configurationDialog_->fill(openingFacts());
    apply_->beforeShowing();
    env_.prompter.runDialog(*configurationDialog_);
    if (configurationDialog_->isVisible()) configurationDialog_->hide();
    if (configurationDialog_->closing() == ConfigurationDialog::Closing::Ok) {
        // The file gets what the operator sees; the apply that follows
        // takes the same values again and tells the modem.
        apply_->takeIntoSettings(configurationDialog_->values());
        env_.saver.saveSettings();
        env_.panes.applyDisplaySettings(); // the receive pane's scrollback
    }
    apply_->ApplyConfiguration(configurationDialog_->values());
}

void ConfigurationWindows::openPrintSquelch() {
    ModeContext& context = env_.setups.context();
    const OperatingMode mode = context.link.operatingMode;
    if (mode == OperatingMode::Quoral || mode == OperatingMode::Amtor ||
        mode == OperatingMode::PMode)
        return;
    printSquelchDialog_->showPrintSquelchLevel(context.settings.PrintSquelchSetting);
    env_.prompter.runDialog(*printSquelchDialog_);
    if (printSquelchDialog_->isVisible()) printSquelchDialog_->hide();
    context.settings.PrintSquelchEnable = printSquelchDialog_->squelchOn() ? "ON" : "OFF";
    configurationDialog_->showPrintSquelchOn(printSquelchDialog_->squelchOn());
    env_.configChanged.set();
}

void ConfigurationWindows::mnuConfigureScreenSettingsClick() {
    env_.prompter.runDialog(*screenSettingsDialog_);
}

} // namespace orvane
