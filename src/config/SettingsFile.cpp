#include "config/SettingsFile.h"

#include "config/FileIo.h"
#include "config/GainTable.h"
#include "config/IniFile.h"
#include "config/SettingDescriptor.h"
#include "config/SettingsText.h"
#include "config/SettingsWords.h"

namespace orvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Defaults {
    Settings settings;
    ScreenLayout layout;
};

// False when the file held the key but its text did not convert, and the
// default stands in.
bool readKey(const IniFile& ini, const SettingDescriptor& key, const Defaults& defaults,
             LoadedSettings& loaded) {
    const std::string defaultText =
        keyText(key, defaults.settings, defaults.layout).value_or(std::string());
    const std::string text = ini.value(key.Section, key.Name).value_or(defaultText);
    if (setKeyFromText(key, text, loaded.settings, loaded.layout)) return true;
    setKeyFromText(key, defaultText, loaded.settings, loaded.layout);
    return false;
}

bool isKnownKey(const IniFile::Key& found) {
    if (found.section == "screen" && found.key == "rxtextfontname") return true;
    for (const SettingDescriptor& key : settingDescriptors())
        if (found.section == IniFile::comparedName(key.Section) &&
            found.key == IniFile::comparedName(key.Name))
            return true;
    return false;
}

// Keeps the earlier of two lines that were not understood.
void noteNotUnderstood(std::optional<IniFile::Line>& first,
                       const std::optional<IniFile::Line>& line) {
    if (line && (!first || line->number < first->number)) first = line;
}

// What the operator reads about a file that is used only in part, or not at all.
std::string unreadMessage(const std::filesystem::path& file, const std::string& reason,
                          std::string_view consequence) {
    return "Unable to read configuration\n\n" + file.string() + ": " + reason + "\n\n" +
           std::string(consequence);
}

std::string keptCopyNotice(const std::filesystem::path& file) {
    return "Before the settings are first saved, that file is kept as " +
           settingsBackupPath(file).string() + ".";
}

// A line as the operator is shown it: its start, at most a screen's width.
std::string shownLine(const IniFile::Line& line) {
    constexpr std::size_t kShown = 60;
    const std::string text = cutToCapacity(line.text, kShown);
    return "line " + std::to_string(line.number) + ", \"" + text +
           (text.size() < line.text.size() ? "...\"" : "\"");
}

// A value never spans lines: anything from a line break on would come back
// as keys of its own.
std::string_view singleLine(std::string_view value) {
    return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

} // namespace

std::filesystem::path settingsFilePath(const std::filesystem::path& baseDirectory) {
    return baseDirectory / "Config" / "orvane.ini";
}

LoadedSettings loadSettingsFromText(std::string_view text, const SettingsLoadContext& context) {
    const IniFile ini = IniFile::parse(text);
    LoadedSettings loaded;
    loaded.RXTextFontName = cutToCapacity(
        ini.value("screen", "RXTextFontName").value_or("Fixedsys"), kProfileValueCapacity);

    Defaults defaults;
    defaults.settings.ReceiveFont = loaded.RXTextFontName; // the receive pane's font by now
    defaults.settings.TransmitFont = context.TransmitFontName;
    defaults.layout = DefaultScreenLayout(context.Screen);

    // Gain codes before reading: a gain text in no row keeps these.
    loaded.settings.RXGain = 0;
    loaded.settings.TXGain = 0;

    // The main window takes its size before its position is read, so that
    // the default position centres it at that size.
    std::optional<IniFile::Line>& notUnderstood = loaded.notUnderstood;
    loaded.storedMainSize = ini.value("screen", "MainWidth") || ini.value("screen", "MainHeight");
    for (const char* size : {"MainWidth", "MainHeight"}) {
        const SettingDescriptor& key = settingDescriptor(size);
        if (!readKey(ini, key, defaults, loaded))
            noteNotUnderstood(notUnderstood, ini.lineOf(key.Section, key.Name));
    }
    // Monitoring windows that have no place yet go below the main window's.
    std::optional<int> mainTop;
    if (ini.value("screen", "MainTop") &&
        readKey(ini, settingDescriptor("MainTop"), defaults, loaded))
        mainTop = loaded.layout.MainTop;
    defaults.layout = DefaultScreenLayout(context.Screen, loaded.layout.MainWidth,
                                          loaded.layout.MainHeight, mainTop);

    for (const SettingDescriptor& key : settingDescriptors())
        if (!readKey(ini, key, defaults, loaded))
            noteNotUnderstood(notUnderstood, ini.lineOf(key.Section, key.Name));

    noteNotUnderstood(notUnderstood, ini.firstIgnoredLine());
    for (const IniFile::Key& found : ini.keys())
        if (!isKnownKey(found)) {
            noteNotUnderstood(notUnderstood, found.line);
            break;
        }
    return loaded;
}

LoadedSettings loadSettingsFromBytes(std::string_view bytes, const SettingsLoadContext& context) {
    const std::optional<std::string> text = settingsText(bytes);
    if (!text) {
        LoadedSettings loaded = loadSettingsFromText("", context);
        loaded.care = SettingsFileCare::KeepCopyFirst;
        return loaded;
    }
    LoadedSettings loaded = loadSettingsFromText(*text, context);
    if (loaded.notUnderstood) loaded.care = SettingsFileCare::KeepCopyFirst;
    return loaded;
}

LoadedSettings LoadSettings(const std::filesystem::path& file, const SettingsLoadContext& context) {
    const RegularFileRead read = readRegularFile(file, kLargestSettingsFile);
    if (read.outcome != RegularFileRead::Outcome::Read) {
        LoadedSettings loaded = loadSettingsFromText("", context);
        if (read.outcome == RegularFileRead::Outcome::Refused) {
            loaded.care = SettingsFileCare::LeaveAlone;
            loaded.error = unreadMessage(
                file, read.reason,
                "The console runs on the default settings and leaves that file as it is.");
        }
        return loaded;
    }
    LoadedSettings loaded = loadSettingsFromBytes(read.bytes, context);
    if (loaded.care == SettingsFileCare::SaveFreely) return loaded;
    if (loaded.notUnderstood)
        loaded.error = "Part of the configuration was not understood\n\n" + file.string() + ", " +
                       shownLine(*loaded.notUnderstood) + "\n\nThe rest is in use. " +
                       keptCopyNotice(file);
    else
        loaded.error =
            unreadMessage(file, "not a text file",
                          "The console runs on the default settings. " + keptCopyNotice(file));
    return loaded;
}

std::filesystem::path settingsBackupPath(const std::filesystem::path& file) {
    std::filesystem::path copy = file;
    copy += ".bak";
    return copy;
}

std::string settingsFileText(const Settings& settings, const ScreenLayout& layout,
                             std::string_view hardwareVersion) {
    std::string text;
    std::string_view section;
    for (const SettingDescriptor& key : settingDescriptors()) {
        if (key.Section != section) {
            if (!section.empty()) text += kLineEnd;
            section = key.Section;
            text.append("[").append(section).append("]").append(kLineEnd);
        }
        if (key.BlankLineBefore) text += kLineEnd;
        if (key.Conversion == KeyConversion::TxGain && !hasTxGain(hardwareVersion)) continue;
        const auto value = keyText(key, settings, layout);
        if (!value) continue;
        text.append(key.Name).append("=").append(singleLine(*value)).append(kLineEnd);
    }
    text += kLineEnd;
    return text;
}

SaveResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                        const ScreenLayout& layout, std::string_view hardwareVersion,
                        ConfigChanged& changed) {
    SettingsFileCare care = SettingsFileCare::SaveFreely;
    return SaveSettings(file, settings, layout, hardwareVersion, changed, care);
}

SaveResult SaveSettings(const std::filesystem::path& file, const Settings& settings,
                        const ScreenLayout& layout, std::string_view hardwareVersion,
                        ConfigChanged& changed, SettingsFileCare& care) {
    const std::string failed = "Unable to save configuration\n\n" + file.string() + ": ";
    SaveResult result;
    if (care == SettingsFileCare::LeaveAlone) {
        result.error = failed + "the file is left as it was found at start-up";
        result.leftAlone = true;
        return result;
    }
    if (care == SettingsFileCare::KeepCopyFirst) {
        const std::filesystem::path copy = settingsBackupPath(file);
        if (const auto reason = keepCopyOf(file, copy, kLargestSettingsFile)) {
            result.error = failed + "no copy could be kept as " + copy.string() + ": " + *reason;
            return result;
        }
        care = SettingsFileCare::SaveFreely;
        result.keptCopy = true;
    }
    const std::string text = settingsFileText(settings, layout, hardwareVersion);
    if (const auto reason = replaceFileAtomically(file, text)) {
        result.error = failed + *reason;
        return result;
    }
    changed.clear();
    return result;
}

} // namespace orvane
