#include "session/SessionSettings.h"

#include "platform/Prompter.h"
#include "protocol/link/OperatingMode.h"
#include "session/SessionState.h"
#include "session/SessionView.h"

#include <algorithm>
#include <cstdio>

namespace orvane {
namespace {

// A message box's text on one line of standard error: its title, a colon, the rest.
std::string oneLine(std::string text) {
    if (const auto gap = text.find("\n\n"); gap != std::string::npos) text.replace(gap, 2, ": ");
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

SessionSettings::SessionSettings(const std::filesystem::path& baseDir, SessionState& state,
                                 SessionView& view, Prompter& prompter)
    : file_(settingsFilePath(baseDir)), state_(state), view_(view), prompter_(prompter) {}

void SessionSettings::load() {
    SettingsLoadContext context;
    context.Screen = view_.screenMetrics();
    LoadedSettings loaded = LoadSettings(file_, context);
    // Without waiting: start-up goes on, and a signal meanwhile still ends the console.
    if (!loaded.error.empty()) prompter_.notice("Orvane", loaded.error, PromptIcon::Exclamation);
    state_.settings = loaded.settings;
    care_ = loaded.care;
    loaded_ = true;
    LinkState& link = state_.link;
    link.operatingMode =
        operatingModeFromValue(state_.settings.Code).value_or(OperatingMode::Quoral);
    link.savedOperatingMode = link.operatingMode;
    link.listenMode = listenModeFromSetting(state_.settings.Listen);
    view_.settingsLoaded(loaded.layout, loaded.storedMainSize);
}

SaveResult SessionSettings::save() {
    // A close that comes before the settings were read would write the
    // defaults over the operator's file.
    if (!loaded_) return {};
    SaveResult saved = SaveSettings(file_, state_.settings, view_.layoutToSave(),
                                    state_.identity.HardwareVersion, state_.configChanged, care_);
    if (saved.keptCopy)
        std::fprintf(stderr, "orvane: kept the settings file as it was in %s\n",
                     settingsBackupPath(file_).c_str());
    return saved;
}

bool SessionSettings::saveSettings() {
    if (!loaded_) return false;
    const SaveResult saved = save();
    if (!saved.ok()) prompter_.message("Orvane", saved.error, PromptIcon::Stop, PromptButtons::Ok);
    return saved.ok();
}

void SessionSettings::saveAtClose(CloseReport report) {
    const SaveResult saved = save();
    if (saved.ok()) return;
    if (report == CloseReport::StandardError)
        std::fprintf(stderr, "orvane: %s\n", oneLine(saved.error).c_str());
    else if (!saved.leftAlone)
        prompter_.message("Orvane", saved.error, PromptIcon::Stop, PromptButtons::Ok);
}

} // namespace orvane
