#include "records/SessionLogSetting.h"

#include "config/IniFile.h"

#include <fstream>
#include <iterator>

namespace orvane {
namespace {

std::filesystem::path settingFile(const std::filesystem::path& baseDir) {
    return baseDir / "Config" / "sessionlog.ini";
}

bool isOff(std::string value) {
    for (char& c : value)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return value == "OFF";
}

} // namespace

bool readSessionLogEnabled(const std::filesystem::path& baseDir) {
    std::ifstream in(settingFile(baseDir), std::ios::binary);
    if (!in) return true;
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto value = IniFile::parse(text).value("session log", "Enabled");
    return !(value && isOff(*value));
}

bool writeSessionLogEnabled(const std::filesystem::path& baseDir, bool enabled) {
    std::ofstream out(settingFile(baseDir), std::ios::binary | std::ios::trunc);
    out << "[session log]\r\nEnabled=" << (enabled ? "ON" : "OFF") << "\r\n";
    out.flush();
    return static_cast<bool>(out);
}

} // namespace orvane
