#include "monitor/StatisticsLog.h"

#include <fstream>

namespace orvane {
namespace {

std::string modulationColumn(std::uint8_t reportByte) {
    return modulationName(modulationNumber(reportByte)).value_or("");
}

} // namespace

const std::string& StatisticsLog::start(const LocalTime& now) {
    fileName_ = statsFileName(now);
    logging_ = true;
    return fileName_;
}

bool StatisticsLog::writeHeader(const std::string& frequency, const std::string& name,
                                const std::string& other) {
    std::ofstream file(filePath(), std::ios::binary | std::ios::trunc);
    if (file) file << statsFileHeader(fileName_, frequency, name, other);
    file.close();
    logging_ = static_cast<bool>(file);
    return logging_;
}

bool StatisticsLog::append(const std::string& row) {
    std::ofstream file(filePath(), std::ios::binary | std::ios::app);
    if (!file) return false;
    file << row;
    file.close();
    return static_cast<bool>(file);
}

void StatisticsLog::LogStatistics(StatusRecords& records, const LinkState& link,
                                  const LocalTime& now, const std::string& myCall,
                                  const std::string& hisCall) {
    if (link.operatingMode != OperatingMode::Quoral || !link.linkUp) {
        records.statsFresh = false;
        return;
    }
    const LinkStats& stats = records.linkStats;
    if (!append(statsRow(now, myCall, modulationColumn(records.modReport[0]), stats, false)))
        return;
    if (!append(statsRow(now, hisCall, modulationColumn(records.modReport[2]), stats, true)))
        return;
    records.statsFresh = false;
}

} // namespace orvane
