#pragma once

#include <array>
#include <cstdint>

namespace orvane {

class MonitorDisplays;
struct StatusRecords;

// The figures the modem reports about the link, as the status handlers read
// them: kept in the records for the statistics and tuning windows, and shown
// there as they come.
class LinkFigures {
public:
    LinkFigures(StatusRecords& records, MonitorDisplays& monitor)
        : records_(records), monitor_(monitor) {}

    void tuneLevels(const std::array<std::uint8_t, 8>& items);
    void linkStatistics(const std::array<std::uint8_t, 14>& items);
    // Returns the highest bias reported since the program started.
    int modulationReport(const std::array<std::uint8_t, 4>& items);
    void freqOffset(std::uint8_t item);
    // The last STATE_EVENT and CQ_EVENT, kept beside the reports.
    void stateEvent(std::uint8_t event);
    void cqEvent(std::uint8_t event);
    // A statistics row, when the window logs them and new figures came in.
    void logIfFresh();

    // A disconnection clears the link's figures and the levels; a failed
    // link only the levels.
    void clearLink();
    void clearTuneLevels();

private:
    StatusRecords& records_;
    MonitorDisplays& monitor_;
};

} // namespace orvane
