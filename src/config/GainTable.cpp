#include "config/GainTable.h"

#include "protocol/AudioLevel.h"

namespace orvane {

// The texts and codes are the modem's audio level table; this file only adds
// the settings file's reading and writing rules on top of it.

namespace {

const GainRow* rowOfText(std::string_view text) {
    for (const GainRow& row : gainTable())
        if (row.text == text) return &row;
    return nullptr;
}

} // namespace

std::optional<int> rxGainCode(std::string_view text) {
    if (const GainRow* row = rowOfText(text)) return row->receiveCode;
    return std::nullopt;
}

std::optional<int> txGainCode(std::string_view text) {
    if (const GainRow* row = rowOfText(text); row && row->transmitCode) return *row->transmitCode;
    return std::nullopt;
}

std::string_view rxGainText(int code) {
    switch (code) {
    case 24: return "+0dB";
    case 26: return "+6dB";
    case 28: return "+12dB";
    default: break;
    }
    for (const GainRow& row : gainTable())
        if (row.receiveCode == code) return row.text;
    return "+0dB";
}

std::optional<std::string_view> txGainText(int code) {
    for (const GainRow& row : gainTable())
        if (row.transmitCode && *row.transmitCode == code) return row.text;
    return std::nullopt;
}

int readRxGain(std::string_view text, int previous) {
    if (auto code = receiveGainCode(text)) return *code;
    return previous;
}

bool hasTxGain(std::string_view hardwareVersion) {
    return hasTransmitLevel(hardwareVersion);
}

} // namespace orvane
