#include "protocol/QuoralEncodings.h"

#include "protocol/CommandBuilders.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orvane {
namespace {

struct Waveform {
    std::string_view name;
    std::uint8_t byte;
};

constexpr auto kWaveforms = std::to_array<Waveform>({
    {"BPSM", 0x99},
    {"QPSM", 0x9D},
    {"8PSM", 0xE1},
    {"8P2A", 0xE5},
    {"16PSM", 0xE9},
    {"16P4A", 0xED},
    {"2DPSM", 0x55},
});

constexpr std::uint8_t kBpsm = 0x99;
constexpr std::array<std::string_view, 6> kCallWaveforms{"BPSM", "QPSM",  "8PSM",
                                                         "8P2A", "16PSM", "16P4A"};
constexpr std::array<std::string_view, 4> kAutoBiasWords{"ROBUST", "NORMAL", "FAST", "FASTEST"};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) ==
               std::toupper(static_cast<unsigned char>(y));
    });
}

ModemCommand waveformCommand(std::uint8_t byte) {
    return command(CommandCode::QUORAL_WAVEFORM, {byte});
}

} // namespace

std::optional<std::uint8_t> waveformByte(std::string_view modulation) {
    auto it = std::find_if(kWaveforms.begin(), kWaveforms.end(),
                           [modulation](const Waveform& w) { return w.name == modulation; });
    if (it == kWaveforms.end()) return std::nullopt;
    return it->byte;
}

ModemCommand broadcastWaveform(std::string_view modulation) {
    if (modulation == "16PSM") return waveformCommand(kBpsm); // not offered for broadcasts
    return waveformCommand(waveformByte(modulation).value_or(kBpsm));
}

std::optional<ModemCommand> callWaveform(int listPosition) {
    if (listPosition < 0 || listPosition >= static_cast<int>(kCallWaveforms.size()))
        return std::nullopt;
    return waveformCommand(*waveformByte(kCallWaveforms[static_cast<size_t>(listPosition)]));
}

std::optional<std::uint8_t> autoBiasCode(std::string_view autoBias) {
    for (std::size_t i = 0; i < kAutoBiasWords.size(); ++i)
        if (equalsIgnoringCase(autoBias, kAutoBiasWords[i])) return static_cast<std::uint8_t>(i);
    return std::nullopt;
}

std::optional<ModemCommand> quoralAutoBias(std::string_view autoBias) {
    auto code = autoBiasCode(autoBias);
    if (!code) return std::nullopt;
    return command(CommandCode::QUORAL_AUTOBIAS, {*code});
}

ModemCommand quoralCall(std::string_view connectBias, std::string_view hisCall) {
    const CommandCode code = equalsIgnoringCase(connectBias, "ROBUST")
                                 ? CommandCode::QUORAL_CALL_ROBUST
                                 : CommandCode::QUORAL_CALL_NORMAL;
    return textCommand(code, hisCall);
}

ModemCommand commonAfChannel(int storedChannel) {
    const int channel = (storedChannel >= 1 && storedChannel <= 3) ? storedChannel : 4;
    return command(CommandCode::AF_CHANNEL, {channel});
}

} // namespace orvane
