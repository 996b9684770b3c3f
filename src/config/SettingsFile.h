#pragma once

#include "config/ConfigChanged.h"
#include "config/IniFile.h"
#include "config/ScreenLayout.h"
#include "config/Settings.h"

#include <cstddef>
#include <filesystem>
#include <optional>
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

// What a save may do to the file found at start-up: read what can be read,
// never destroy what cannot.
enum class SettingsFileCare {
    SaveFreely,    // no file yet, or a file understood in full
    KeepCopyFirst, // not understood in full: kept as orvane.ini.bak before it is replaced
    LeaveAlone,    // not a regular file, too large or unreadable: never written over
};

// The largest settings file that is read; the console's own is under 4 KB.
inline constexpr std::size_t kLargestSettingsFile = 1024 * 1024;

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
    // read (every key then has its default) or was not understood in full.
    std::string error;
    SettingsFileCare care = SettingsFileCare::SaveFreely;
    // The first line whose value was not taken: junk, a key the console does
    // not know, a value that does not convert. Nothing when every line was taken.
    std::optional<IniFile::Line> notUnderstood;
};

// Reads the settings file. A missing file, section or key gives the default;
// a key present with an empty value gives the empty value (for numbers and
// A_LetterCase, which have no empty value, the default). A file that is not
// a regular file or is larger than kLargestSettingsFile is not read (it is
// left alone); one whose bytes are no text (see settingsText) is not parsed.
LoadedSettings LoadSettings(const std::filesystem::path& file, const SettingsLoadContext& context);
// The same from the file's bytes, as read.
LoadedSettings loadSettingsFromBytes(std::string_view bytes, const SettingsLoadContext& context);
// The same from the file's text.
LoadedSettings loadSettingsFromText(std::string_view text, const SettingsLoadContext& context);

// Where the copy of a file that was not understood in full is kept.
std::filesystem::path settingsBackupPath(const std::filesystem::path& file);

// The whole file as it is written: the fixed layout, CR LF line ends. The TX
// gain line is written only for hardware versions with a TX gain.
std::string settingsFileText(const Settings& settings, const ScreenLayout& layout,
                             std::string_view hardwareVersion);

struct SaveResult {
    // Empty on success, else the operator message.
    std::string error;
    // The file was left alone, as the load said it would be.
    bool leftAlone = false;
    // A copy of the old file was kept (settingsBackupPath) before it was replaced.
    bool keptCopy = false;
    bool ok() const { return error.empty(); }
};

// Writes the whole file (replacing the old one only once the new one is
// complete on disk) and clears `changed`. On failure the old file stays as it
// was, `changed` stays set and the result carries "Unable to save
// configuration" with the system's reason.
SaveResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                        const ScreenLayout& layout, std::string_view hardwareVersion,
                        ConfigChanged& changed);
// The same with the care the load asked for: a file to be left alone is not
// written; one to be copied first is copied, and not replaced when the copy
// fails. After a save `care` is SaveFreely: the file is then the console's own.
SaveResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                        const ScreenLayout& layout, std::string_view hardwareVersion,
                        ConfigChanged& changed, SettingsFileCare& care);

} // namespace orvane
