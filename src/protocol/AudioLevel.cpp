#include "protocol/AudioLevel.h"

#include "protocol/CommandBuilders.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr auto kGainTable = std::to_array<GainRow>({
    {"-36dB", 16, 32},
    {"-30dB", 17, 33},
    {"-24dB", 18, 34},
    {"-18dB", 19, 35},
    {"-12dB", 20, 36},
    {"-9dB", 21, 37},
    {"-6dB", 22, 38},
    {"-3dB", 23, 39},
    {"+0dB", 1, 40},
    {"0dB", 1, 40},
    {"-0dB", 1, 40},
    {"+3dB", 25, std::nullopt},
    {"+6dB", 2, std::nullopt},
    {"+9dB", 27, std::nullopt},
    {"+12dB", 3, std::nullopt},
    {"+18dB", 29, std::nullopt},
    {"+24dB", 30, std::nullopt},
});

const GainRow* findGain(std::string_view text) {
    auto it = std::find_if(kGainTable.begin(), kGainTable.end(),
                           [text](const GainRow& row) { return row.text == text; });
    return it == kGainTable.end() ? nullptr : &*it;
}

std::string_view currentReceiveForm(std::string_view text) {
    if (text == "1") return "+0dB";
    if (text == "2") return "+6dB";
    if (text == "3") return "+12dB";
    return text;
}

} // namespace

std::span<const GainRow> gainTable() {
    return kGainTable;
}

std::optional<std::uint8_t> receiveGainCode(std::string_view text) {
    const GainRow* row = findGain(currentReceiveForm(text));
    if (!row) return std::nullopt;
    return row->receiveCode;
}

std::optional<std::uint8_t> transmitGainCode(std::string_view text) {
    const GainRow* row = findGain(text);
    if (!row) return std::nullopt;
    return row->transmitCode;
}

bool hasTransmitLevel(std::string_view hardwareVersion) {
    return hardwareVersion == "800A" || hardwareVersion == "8004" || hardwareVersion == "800B";
}

ModemCommand audioLevel(std::uint8_t code) {
    return command(CommandCode::AUDIO_LEVEL, {code});
}

std::optional<ModemCommand> transmitAudioLevel(std::string_view hardwareVersion,
                                               std::uint8_t transmitCode) {
    if (!hasTransmitLevel(hardwareVersion) || transmitCode <= 31) return std::nullopt;
    return audioLevel(transmitCode);
}

} // namespace orvane
