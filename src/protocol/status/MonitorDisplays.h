#pragma once

namespace orvane {

// The statistics and tuning windows, as the status handlers call them. They
// read the shared StatusRecords.
class MonitorDisplays {
public:
    virtual ~MonitorDisplays() = default;
    virtual void ShowTuneLevels() = 0;
    virtual void ShowFreqOffset() = 0;
    virtual void ShowLinkStatistics() = 0;
    virtual void ShowModulations() = 0;
    virtual void LogStatistics() = 0;
    // Statistics rows are being written to a file.
    virtual bool StatsLogging() const = 0;
};

} // namespace orvane
