#include "session/SessionSettings.h"

#include "config/SettingsFile.h"
#include "platform/Prompter.h"
#include "protocol/link/OperatingMode.h"
#include "session/SessionState.h"
#include "session/SessionView.h"

namespace orvane {

SessionSettings::SessionSettings(const std::filesystem::path& baseDir, SessionState& state,
                                 SessionView& view, Prompter& prompter)
    : file_(settingsFilePath(baseDir)), state_(state), view_(view), prompter_(prompter) {}

void SessionSettings::load() {
    SettingsLoadContext context;
    context.Screen = view_.screenMetrics();
    LoadedSettings loaded = LoadSettings(file_, context);
    if (!loaded.error.empty())
        prompter_.message("Orvane", loaded.error, PromptIcon::Exclamation, PromptButtons::Ok);
    state_.settings = loaded.settings;
    loaded_ = true;
    LinkState& link = state_.link;
    link.operatingMode =
        operatingModeFromValue(state_.settings.Code).value_or(OperatingMode::Quoral);
    link.savedOperatingMode = link.operatingMode;
    link.listenMode = listenModeFromSetting(state_.settings.Listen);
    view_.settingsLoaded(loaded.layout, loaded.storedMainSize);
}

bool SessionSettings::saveSettings() {
    // A close that comes before the settings were read would write the
    // defaults over the operator's file.
    if (!loaded_) return false;
    SaveResult saved = SaveSettings(file_, state_.settings, view_.layoutToSave(),
                                    state_.identity.HardwareVersion, state_.configChanged);
    if (!saved.ok()) prompter_.message("Orvane", saved.error, PromptIcon::Stop, PromptButtons::Ok);
    return saved.ok();
}

} // namespace orvane
