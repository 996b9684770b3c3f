#pragma once

#include "monitor/StatisticsText.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/StatusRecords.h"

#include <filesystem>
#include <string>

namespace orvane {

// The statistics file: named when logging starts, given its header when the
// operator confirms the header panel, and two rows (this station, the other
// one) appended per modulation report during a Quoral link. The file is
// opened and closed for every write; nothing stays open in between.
class StatisticsLog {
public:
    explicit StatisticsLog(std::filesystem::path baseDir) : baseDir_(std::move(baseDir)) {}

    // Names the file after the local time and switches logging on.
    const std::string& start(const LocalTime& now);
    // Creates (or empties) the file with its header. When it cannot be
    // created, logging goes off and false is returned.
    bool writeHeader(const std::string& frequency, const std::string& name,
                     const std::string& other);
    // Logging off: the header panel's Cancel, the Stop command, Panic.
    void stop() { logging_ = false; }

    bool logging() const { return logging_; }
    const std::string& fileName() const { return fileName_; }
    std::filesystem::path filePath() const { return baseDir_ / fileName_; }

    // The two rows for the latest figures. Outside a Quoral link only the
    // figures are marked as used. A row that cannot be appended leaves them
    // fresh for the next report.
    void LogStatistics(StatusRecords& records, const LinkState& link, const LocalTime& now,
                       const std::string& myCall, const std::string& hisCall);

private:
    bool append(const std::string& row);

    std::filesystem::path baseDir_;
    std::string fileName_;
    bool logging_ = false;
};

} // namespace orvane
