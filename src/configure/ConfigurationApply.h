#pragma once

#include "configure/ConfigDialogValues.h"

namespace orvane {

class ConfigChanged;
class ModeSetupRunner;
class Prompter;
struct ModeContext;

// The level spin of the Print Squelch dialog, which follows the
// configuration dialog's level.
class PrintSquelchLevelView {
public:
    virtual ~PrintSquelchLevelView() = default;
    virtual void showPrintSquelchLevel(int level) = 0;
};

// Takes the configuration dialog's controls into the settings and tells the
// modem, as one sequence: the settings every mode shares, then
// either the current mode's set-up runs again (the modem is idle and may
// transmit, or a link is up) or a short sequence brings the mode up to date.
class ConfigurationApply {
public:
    struct Environment {
        ModeContext& mode;
        ModeSetupRunner& setups;
        Prompter& prompter;
        ConfigChanged& configChanged;
        PrintSquelchLevelView& printSquelchForm;
    };

    explicit ConfigurationApply(Environment environment) : env_(std::move(environment)) {}

    // Before the dialog shows: the FSK modes leave their mode for its time.
    void beforeShowing();
    // The controls into the settings only, nothing sent (OK saves these).
    void takeIntoSettings(const ConfigDialogValues& values);
    // After the dialog closed, whatever closed it. Ends with Baudot and
    // ASCII back in their mode.
    void ApplyConfiguration(const ConfigDialogValues& values);

private:
    void applyShared(ModeContext& context, const ConfigDialogValues& values);
    void applyPrintSquelch(ModeContext& context, const SettingControls& shown);
    void applyModeDisplays(ModeContext& context, const ConfigDialogValues& values);
    void writeMessage(const MessageValues& messages);
    void runModeSequence(ModeContext& context);
    void returnToFskMode(ModeContext& context);

    Environment env_;
};

} // namespace orvane
