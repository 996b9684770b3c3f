#include "config/SettingsWords.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orvane {

namespace {

struct ModeName {
    std::string_view Name;
    int Mode;
};

constexpr std::array<ModeName, 6> kModeNames{{
    {"QUORAL", 1},
    {"TOR", 2},
    {"PMODE", 3},
    {"BAUDOT", 4},
    {"ASCII", 5},
    {"PSK31", 10},
}};

constexpr int kQuoral = 1;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool onOffValue(std::string_view word) {
    return word == "ON";
}

std::string_view onOffWord(bool on) {
    return on ? "ON" : "OFF";
}

int operatingModeFromCode(std::string_view code) {
    for (const ModeName& entry : kModeNames)
        if (entry.Name == code) return entry.Mode;
    return kQuoral;
}

std::string_view codeFromOperatingMode(int mode) {
    for (const ModeName& entry : kModeNames)
        if (entry.Mode == mode) return entry.Name;
    return kModeNames.front().Name;
}

int listenModeFromListen(std::string_view listen) {
    return listen == "ON" ? 2 : 1;
}

std::string portNameFromComPort(std::string_view value) {
    const bool digitsOnly = std::all_of(value.begin(), value.end(), isDigit);
    return digitsOnly ? "COM" + std::string(value) : "COM";
}

std::string comPortFromPortName(std::string_view portName) {
    return portName.size() > 3 ? std::string(portName.substr(3)) : std::string();
}

std::optional<char> letterCaseFromText(std::string_view text) {
    if (text.empty()) return std::nullopt;
    return text.front();
}

std::optional<int> strictDecimal(std::string_view text) {
    // from_chars takes a minus sign but not a plus sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::string cutToCapacity(std::string_view text, std::size_t capacity) {
    if (text.size() <= capacity) return std::string(text);
    // Back off to a character boundary, so a UTF-8 name never ends in half a character.
    std::size_t cut = capacity;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

} // namespace orvane
