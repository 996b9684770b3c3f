#pragma once

#include "configure/ConfigurationApply.h"
#include "configure/DialogOpening.h"
#include "serial/SerialDevices.h"

#include <filesystem>
#include <memory>
#include <string>

class QWidget;

namespace orvane {

class ConfigChanged;
class ConfigurationDialog;
class DisplayTarget;
class ModeSetupRunner;
class PrintSquelchDialog;
class Prompter;
class ScreenSettingsDialog;
class SettingsSaver;
struct ModemIdentity;

// The configuration dialog, the print squelch dialog and the screen
// settings, created once at start and shown on the operator's request.
class ConfigurationWindows {
public:
    struct Environment {
        QWidget& mainWindow;
        ModeSetupRunner& setups;
        Prompter& prompter;
        ConfigChanged& configChanged;
        SettingsSaver& saver;
        DisplayTarget& panes;
    };
    // What the General page shows besides the settings: the modem's
    // identity once it has answered, our own version, and the ports found
    // under the base directory and among the machine's devices.
    struct Facts {
        const ModemIdentity& identity;
        std::string softwareVersion;
        std::filesystem::path baseDir;
        DeviceRoots deviceRoots;
    };

    ConfigurationWindows(Environment environment, Facts facts);
    ~ConfigurationWindows();

    // "&Configuration Pages...": fill, show, and apply whatever closed it.
    void openConfiguration();
    // The print squelch dialog, outside Quoral, AMTOR and P-Mode.
    void openPrintSquelch();
    // "&Screen Settings...".
    void mnuConfigureScreenSettingsClick();

    ConfigurationDialog& configuration() { return *configurationDialog_; }
    PrintSquelchDialog& printSquelch() { return *printSquelchDialog_; }
    ScreenSettingsDialog& screenSettings() { return *screenSettingsDialog_; }

private:
    OpeningFacts openingFacts() const;

    Environment env_;
    Facts facts_;
    ConfigurationDialog* configurationDialog_;
    PrintSquelchDialog* printSquelchDialog_;
    ScreenSettingsDialog* screenSettingsDialog_;
    std::unique_ptr<ConfigurationApply> apply_;
};

} // namespace orvane
