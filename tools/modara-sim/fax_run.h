#pragma once
// A FAX transfer between the fax machines at the two ends, as the modem reports it to its host:
// 01 0C and a report code, in the data stream.
//
//   01 0C 90                        starting
//   01 0C 91 SIGN 02 / 92 SIGN 02   this end sends to / receives from SIGN
//   01 0C 93 D D D D 08 T T T T 02  progress: D bytes done of T, high byte first
//   01 0C 94 / 95                   succeeded / failed
//   01 0C 99                        over

#include "byte_text.h"
#include "sim_time.h"

#include <cstdint>
#include <string>
#include <vector>

namespace modara_sim {

struct FaxRun {
    bool sending = true;     // this end's fax machine sends
    std::string station;     // the other end
    std::uint32_t total = 0; // bytes of the fax
    int steps = 1;           // progress reports, evenly spread, the last one at `total`
    Millis interval = 0;     // between two reports
    bool success = true;
};

struct FaxReport {
    Bytes data;       // the report as data bytes (framing is the line encoder's)
    Millis delay = 0; // after the report before it
};

// The reports of a whole run, in order: start, direction, progress, outcome, over.
std::vector<FaxReport> faxReports(const FaxRun& run);

} // namespace modara_sim
