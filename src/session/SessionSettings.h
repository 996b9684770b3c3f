#pragma once

#include "config/SettingsFile.h"
#include "config/SettingsSaver.h"

#include <filesystem>

namespace orvane {

class Prompter;
class SessionView;
struct SessionState;

// The settings file as the session reads it at start-up and writes it on
// the operator's request and at the close, with the windows' places and sizes.
class SessionSettings final : public SettingsSaver {
public:
    // Who hears of a save that failed at the close.
    enum class CloseReport {
        Operator,      // the window was closed: a message box
        StandardError, // a signal ends the console: nothing may wait for an answer
    };

    SessionSettings(const std::filesystem::path& baseDir, SessionState& state, SessionView& view,
                    Prompter& prompter);

    // Reads the file (a fault is reported without waiting, the defaults stand
    // in), sets the mode held from it, and hands the windows their part.
    void load();
    // SettingsSaver: a failure is reported to the operator.
    bool saveSettings() override;
    // The save of the close. A file the load left alone was reported then and
    // gets no message box again.
    void saveAtClose(CloseReport report);

private:
    SaveResult save();

    std::filesystem::path file_;
    SessionState& state_;
    SessionView& view_;
    Prompter& prompter_;
    SettingsFileCare care_ = SettingsFileCare::SaveFreely;
    bool loaded_ = false;
};

} // namespace orvane
