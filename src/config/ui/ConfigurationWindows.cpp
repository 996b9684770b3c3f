#include "config/ui/ConfigurationWindows.h"

#include "app/handshake/ModemIdentity.h"
#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "config/SettingsSaver.h"
#include "config/ui/TFontForm.h"
#include "config/ui/TForm2.h"
#include "config/ui/TForm3.h"
#include "modes/ModeSetupRunner.h"
#include "modes/TerminalModeState.h"
#include "platform/Prompter.h"
#include "protocol/link/LinkState.h"
#include "serial/PortAvailability.h"

#include <QWidget>

namespace orvane {

ConfigurationWindows::ConfigurationWindows(Environment environment, Facts facts)
    : env_(environment), facts_(std::move(facts)) {
    ModeContext& context = env_.setups.context();
    form2_ = new TForm2(context.settings, env_.configChanged, context.messageDirectory, &env_.mainWindow);
    form3_ = new TForm3(context, &env_.mainWindow);
    fontForm_ = new TFontForm(context.settings, env_.panes, &env_.mainWindow);
    apply_ = std::make_unique<ConfigurationApply>(ConfigurationApply::Environment{
        context, env_.setups, env_.prompter, env_.configChanged, *form3_});
}

ConfigurationWindows::~ConfigurationWindows() = default;

OpeningFacts ConfigurationWindows::openingFacts() const {
    const ModeContext& context = env_.setups.context();
    OpeningFacts facts;
    facts.hardwareVersion = context.hardwareVersion;
    const ModemIdentity& modem = facts_.identity;
    facts.versions = {modem.LodVersion, modem.S28Version,     modem.BootVersion,
                      modem.ProductId,  modem.QuoralWaveform, facts_.softwareVersion};
    for (const PortEntry& port : availablePorts(facts_.baseDir))
        facts.ports.push_back({"COM" + std::to_string(port.number), port.device});
    facts.mode = context.link.operatingMode;
    facts.linkUp = context.link.linkUp;
    facts.txActive = context.link.txActive;
    facts.txEnabled = context.terminal.txEnabled;
    facts.listening = context.link.listenMode == ListenMode::Listening;
    return facts;
}

void ConfigurationWindows::ConfigurationPages1Click() {
    form2_->fill(openingFacts());
    apply_->beforeShowing();
    env_.prompter.runDialog(*form2_);
    if (form2_->isVisible()) form2_->hide();
    if (form2_->closing() == TForm2::Closing::Ok) {
        // The file gets what the operator sees; the apply that follows
        // takes the same values again and tells the modem.
        apply_->takeIntoSettings(form2_->values());
        env_.saver.saveSettings();
    }
    apply_->ApplyConfiguration(form2_->values());
}

void ConfigurationWindows::openPrintSquelch() {
    ModeContext& context = env_.setups.context();
    const OperatingMode mode = context.link.operatingMode;
    if (mode == OperatingMode::Quoral || mode == OperatingMode::Amtor || mode == OperatingMode::PMode)
        return;
    form3_->showPrintSquelchLevel(context.settings.PrintSquelchSetting);
    env_.prompter.runDialog(*form3_);
    if (form3_->isVisible()) form3_->hide();
    context.settings.PrintSquelchEnable = form3_->squelchOn() ? "ON" : "OFF";
    form2_->showPrintSquelchOn(form3_->squelchOn());
    env_.configChanged.set();
}

void ConfigurationWindows::mnuConfigureScreenSettingsClick() {
    env_.prompter.runDialog(*fontForm_);
}

} // namespace orvane
