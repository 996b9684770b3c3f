#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// FAX codes: what the modems report of a FAX transfer, after 0x01 0x0C.
namespace fax {
inline constexpr std::uint8_t kStarting = 0x90;
inline constexpr std::uint8_t kSending = 0x91;   // this end sends, to the named station
inline constexpr std::uint8_t kReceiving = 0x92; // this end receives, from the named station
inline constexpr std::uint8_t kProgress = 0x93;
inline constexpr std::uint8_t kSuccess = 0x94;
inline constexpr std::uint8_t kFailure = 0x95;
inline constexpr std::uint8_t kOver = 0x99;
inline constexpr std::uint8_t kProgressSeparator = 0x08;
} // namespace fax

// One FAX sequence as read.
struct FaxReport {
    std::uint8_t code = 0;
    std::string call;        // kSending, kReceiving
    std::uint32_t done = 0;  // kProgress: bytes done
    std::uint32_t total = 0; // kProgress: total size (0 when the separator was wrong)
};

} // namespace orvane

namespace orvane {

// Takes each FAX sequence the in-band handler reads.
class FaxReportHandler {
public:
    virtual ~FaxReportHandler() = default;
    virtual void faxReport(const FaxReport& report) = 0;
};

} // namespace orvane
