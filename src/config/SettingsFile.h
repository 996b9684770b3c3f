#pragma once

#include "config/ConfigChanged.h"
#include "config/ScreenLayout.h"
#include "config/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace orvane {

// Config/orvane.ini under the base directory.
std::filesystem::path settingsFilePath(const std::filesystem::path& baseDirectory);

// What the defaults of a load depend on besides the file.
struct SettingsLoadContext {
    ScreenMetrics Screen;
    // The transmit pane's font name when the file is read.
    std::string TransmitFontName = "Fixedsys";
};

struct LoadedSettings {
    Settings settings;
    // To be applied to the windows: sizes first, then positions, then the
    // monitoring windows' View menu checks; the windows marked shown are shown
    // at the end of start-up.
    ScreenLayout layout;
    // The receive pane's font before ReceiveFont replaces it (never written).
    std::string RXTextFontName;
    // The file gave the main window's size (else it is a first start).
    bool storedMainSize = false;
    // Empty, or the operator message when the file exists but could not be
    // read; every key then has its default.
    std::string error;
};

// Reads the settings file. A missing file, section or key gives the default;
// a key present with an empty value gives the empty value (for numbers and
// A_LetterCase, which have no empty value, the default).
LoadedSettings LoadSettings(const std::filesystem::path& file, const SettingsLoadContext& context);
// The same from the file's text.
LoadedSettings loadSettingsFromText(std::string_view text, const SettingsLoadContext& context);

// The whole file as it is written: the fixed layout, CR LF line ends. The TX
// gain line is written only for hardware versions with a TX gain.
std::string settingsFileText(const Settings& settings, const ScreenLayout& layout,
                             std::string_view hardwareVersion);

struct SaveResult {
    // Empty on success, else the operator message.
    std::string error;
    bool ok() const { return error.empty(); }
};

// Writes the whole file (replacing the old one only once the new one is
// complete on disk) and clears `changed`. On failure the old file stays as it
// was, `changed` stays set and the result carries "Unable to save
// configuration" with the system's reason.
SaveResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                        const ScreenLayout& layout, std::string_view hardwareVersion,
                        ConfigChanged& changed);

} // namespace orvane
