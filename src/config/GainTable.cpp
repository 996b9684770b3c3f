#include "config/GainTable.h"

#include <array>

namespace orvane {

namespace {

struct GainRow {
    std::string_view Text;
    int RxCode;
    int TxCode; // 0: none
};

// The first row of each code is the text written for it.
constexpr std::array<GainRow, 17> kGainRows{{
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
    {"+3dB", 25, 0},
    {"+6dB", 2, 0},
    {"+9dB", 27, 0},
    {"+12dB", 3, 0},
    {"+18dB", 29, 0},
    {"+24dB", 30, 0},
}};

const GainRow* rowOfText(std::string_view text) {
    for (const GainRow& row : kGainRows)
        if (row.Text == text) return &row;
    return nullptr;
}

} // namespace

std::optional<int> rxGainCode(std::string_view text) {
    if (const GainRow* row = rowOfText(text)) return row->RxCode;
    return std::nullopt;
}

std::optional<int> txGainCode(std::string_view text) {
    if (const GainRow* row = rowOfText(text); row && row->TxCode != 0) return row->TxCode;
    return std::nullopt;
}

std::string_view rxGainText(int code) {
    switch (code) {
    case 24:
        return "+0dB";
    case 26:
        return "+6dB";
    case 28:
        return "+12dB";
    default:
        break;
    }
    for (const GainRow& row : kGainRows)
        if (row.RxCode == code) return row.Text;
    return "+0dB";
}

std::optional<std::string_view> txGainText(int code) {
    for (const GainRow& row : kGainRows)
        if (row.TxCode != 0 && row.TxCode == code) return row.Text;
    return std::nullopt;
}

int readRxGain(std::string_view text, int previous) {
    if (text == "1")
        text = "+0dB";
    else if (text == "2")
        text = "+6dB";
    else if (text == "3")
        text = "+12dB";
    return rxGainCode(text).value_or(previous);
}

bool hasTxGain(std::string_view hardwareVersion) {
    return hardwareVersion == "800A" || hardwareVersion == "8004" || hardwareVersion == "800B";
}

} // namespace orvane
