#pragma once

#include "protocol/status/StatusRecords.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// Local time broken down as the statistics file writes it.
struct LocalTime {
    int month = 1; // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The modulation number sits in bits 2 to 5 of a modulation report byte.
int modulationNumber(std::uint8_t reportByte);
// "" for 0, "CWID" to "16P4A" for 1 to 11; nothing for 12 to 15, which have no name.
std::optional<std::string> modulationName(int number);

// The five figures of one station as the statistics window shows them.
struct StationFigures {
    std::string snr, freq, tput, phs, ecc;
};
// This station from LinkStats bytes 1, 3, 4, 5, 6; the other from 8, 10, 11, 12, 13.
StationFigures stationFigures(const LinkStats& stats, bool remote);

// "MMDDhhmm.TST".
std::string statsFileName(const LocalTime& time);
// The file name line, the header line, the column header and an empty line, CR LF each.
std::string statsFileHeader(const std::string& fileName, const std::string& frequency,
                            const std::string& name, const std::string& other);
// "hhmmss,CALL,MOD,snr,freq,tput,phase,ecc" and CR LF; each figure is its byte's low seven bits.
std::string statsRow(const LocalTime& time, const std::string& call, const std::string& modulation,
                     const LinkStats& stats, bool remote);

} // namespace orvane
