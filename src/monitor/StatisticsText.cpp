#include "monitor/StatisticsText.h"

#include <array>
#include <cstdio>

namespace orvane {
namespace {

// Where each station's S/N, frequency offset, throughput, phase and ECC sit in LinkStats.
constexpr std::array<std::size_t, 5> kLocalBytes{1, 3, 4, 5, 6};
constexpr std::array<std::size_t, 5> kRemoteBytes{8, 10, 11, 12, 13};

const std::array<std::size_t, 5>& figureBytes(bool remote) {
    return remote ? kRemoteBytes : kLocalBytes;
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

int modulationNumber(std::uint8_t reportByte) {
    return (reportByte >> 2) & 15;
}

std::optional<std::string> modulationName(int number) {
    static constexpr std::array<const char*, 12> kNames{"",     "CWID",  "2DFSM", "4DPSM",
                                                        "FSM",  "2DPSM", "BPSM",  "QPSM",
                                                        "8PSM", "8P2A",  "16PSM", "16P4A"};
    if (number < 0 || number >= static_cast<int>(kNames.size())) return std::nullopt;
    return kNames[static_cast<std::size_t>(number)];
}

StationFigures stationFigures(const LinkStats& stats, bool remote) {
    const auto& at = figureBytes(remote);
    const int ecc = stats[at[4]];
    return {std::to_string(stats[at[0]] >> 1),
            std::to_string(static_cast<std::int8_t>(stats[at[1]])), std::to_string(stats[at[2]]),
            std::to_string(stats[at[3]]), ecc <= 100 ? std::to_string(ecc) : "XX"};
}

std::string statsFileName(const LocalTime& time) {
    return twoDigits(time.month) + twoDigits(time.day) + twoDigits(time.hour) +
           twoDigits(time.minute) + ".TST";
}

std::string statsFileHeader(const std::string& fileName, const std::string& frequency,
                            const std::string& name, const std::string& other) {
    return fileName + "\r\n" + "Frequency: " + frequency + "\tName: " + name + "\tOther: " + other +
           "\r\n" + "Time(hhmmss),Call,MOD,SNR,Freq,TPUT,Phase,ECC\r\n\r\n";
}

std::string statsRow(const LocalTime& time, const std::string& call, const std::string& modulation,
                     const LinkStats& stats, bool remote) {
    std::string row = twoDigits(time.hour) + twoDigits(time.minute) + twoDigits(time.second) + "," +
                      call + "," + modulation;
    for (std::size_t index : figureBytes(remote))
        row += "," + std::to_string(stats[index] & 0x7F);
    return row + "\r\n";
}

} // namespace orvane
