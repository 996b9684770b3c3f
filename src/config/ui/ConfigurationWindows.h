#pragma once

#include "config/dialog/ConfigurationApply.h"
#include "config/dialog/DialogOpening.h"

#include <filesystem>
#include <memory>
#include <string>

class QWidget;

namespace orvane {

class ConfigChanged;
class DisplayTarget;
class ModeSetupRunner;
class Prompter;
class SettingsSaver;
class TFontForm;
class TForm2;
class TForm3;
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
    // under the base directory.
    struct Facts {
        const ModemIdentity& identity;
        std::string softwareVersion;
        std::filesystem::path baseDir;
    };

    ConfigurationWindows(Environment environment, Facts facts);
    ~ConfigurationWindows();

    // "&Configuration Pages...": fill, show, and apply whatever closed it.
    void ConfigurationPages1Click();
    // The print squelch dialog, outside Quoral, AMTOR and P-Mode.
    void openPrintSquelch();
    // "&Screen Settings...".
    void mnuConfigureScreenSettingsClick();

    TForm2& configuration() { return *form2_; }
    TForm3& printSquelch() { return *form3_; }
    TFontForm& fontForm() { return *fontForm_; }

private:
    OpeningFacts openingFacts() const;

    Environment env_;
    Facts facts_;
    TForm2* form2_;
    TForm3* form3_;
    TFontForm* fontForm_;
    std::unique_ptr<ConfigurationApply> apply_;
};

} // namespace orvane
