#pragma once

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
    SessionSettings(const std::filesystem::path& baseDir, SessionState& state, SessionView& view,
                    Prompter& prompter);

    // Reads the file (a fault is reported, the defaults stand in), sets the
    // mode held from it, and hands the windows their part.
    void load();
    // SettingsSaver
    bool saveSettings() override;

private:
    std::filesystem::path file_;
    SessionState& state_;
    SessionView& view_;
    Prompter& prompter_;
    bool loaded_ = false;
};

} // namespace orvane
