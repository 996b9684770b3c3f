#include "config/SettingsFile.h"

#include "config/FileIo.h"
#include "config/GainTable.h"
#include "config/IniFile.h"
#include "config/SettingDescriptor.h"
#include "config/SettingsWords.h"

namespace orvane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct Defaults {
    Settings settings;
    ScreenLayout layout;
};

void readKey(const IniFile& ini, const SettingDescriptor& key, const Defaults& defaults,
             LoadedSettings& loaded) {
    const std::string defaultText =
        keyText(key, defaults.settings, defaults.layout).value_or(std::string());
    const std::string text = ini.value(key.Section, key.Name).value_or(defaultText);
    if (!setKeyFromText(key, text, loaded.settings, loaded.layout))
        setKeyFromText(key, defaultText, loaded.settings, loaded.layout);
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
    loaded.storedMainSize = ini.value("screen", "MainWidth") || ini.value("screen", "MainHeight");
    readKey(ini, settingDescriptor("MainWidth"), defaults, loaded);
    readKey(ini, settingDescriptor("MainHeight"), defaults, loaded);
    defaults.layout =
        DefaultScreenLayout(context.Screen, loaded.layout.MainWidth, loaded.layout.MainHeight);

    for (const SettingDescriptor& key : settingDescriptors())
        readKey(ini, key, defaults, loaded);
    return loaded;
}

LoadedSettings LoadSettings(const std::filesystem::path& file, const SettingsLoadContext& context) {
    std::string reason;
    const auto bytes = readWholeFile(file, reason);
    LoadedSettings loaded = loadSettingsFromText(bytes.value_or(std::string()), context);
    if (!reason.empty())
        loaded.error = "Unable to read configuration\n\n" + file.string() + ": " + reason;
    return loaded;
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
    const std::string text = settingsFileText(settings, layout, hardwareVersion);
    if (const auto reason = replaceFileAtomically(file, text))
        return {"Unable to save configuration\n\n" + file.string() + ": " + *reason};
    changed.clear();
    return {};
}

} // namespace orvane
