#pragma once

#include "config/dialog/ConfigurationApply.h"
#include "config/dialog/DialogOpening.h"

#include <filesystem>
#include <memory>

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
        std::filesystem::path baseDir;
    };

    explicit ConfigurationWindows(Environment environment);
    ~ConfigurationWindows();

    // The versions the General page shows, known once the modem answered.
    void setVersions(const VersionValues& versions) { versions_ = versions; }

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
    VersionValues versions_;
    TForm2* form2_;
    TForm3* form3_;
    TFontForm* fontForm_;
    std::unique_ptr<ConfigurationApply> apply_;
};

} // namespace orvane
