#pragma once
// The status codes the modem reports to the console, and what follows each code.

#include <cstdint>
#include <string_view>

namespace modara_sim {

enum class FollowOn {
    None,     // the code alone
    Fixed,    // `count` bytes (one or two of them only consumed and dropped by the console)
    CallText, // characters ended by a byte that is 0x00 or 0x80 and above
    PairText, // byte pairs; the text ends after a pair whose second byte is 0x00
};

struct StatusInfo {
    std::uint8_t code;
    std::string_view name;
    FollowOn followOn;
    int count; // for FollowOn::Fixed
};

const StatusInfo* findStatus(std::string_view name);
const StatusInfo* findStatus(std::uint8_t code);

namespace status {
inline constexpr std::uint8_t Linked = 0x20;
inline constexpr std::uint8_t Disconnected = 0x23;
inline constexpr std::uint8_t LinkFailed = 0x24;
inline constexpr std::uint8_t CqFrom = 0x26;
inline constexpr std::uint8_t Amtor476Link = 0x29;
inline constexpr std::uint8_t Amtor625Link = 0x2A;
inline constexpr std::uint8_t PmodeLink = 0x2B;
inline constexpr std::uint8_t EchoOff = 0x30;
inline constexpr std::uint8_t EchoOn = 0x31;
inline constexpr std::uint8_t TuneLevels = 0x70;
inline constexpr std::uint8_t LinkStatistics = 0x72;
inline constexpr std::uint8_t CqEvent = 0x73;
inline constexpr std::uint8_t ModulationReport = 0x75;
inline constexpr std::uint8_t StateEvent = 0x7A;
inline constexpr std::uint8_t FreqOffset = 0x7E;
} // namespace status

// STATE_EVENT values, by the names scripts use (`event ISS`): the protocol's
// phases, who sends in an ARQ link, the P-Mode rate and compression, and the
// returns to standby that end links and broadcasts.
struct StateEventInfo {
    std::uint8_t value;
    std::string_view name;
};
const StateEventInfo* findStateEvent(std::string_view name);

namespace state_event {
inline constexpr std::uint8_t Standby = 12;
inline constexpr std::uint8_t StandbyListening = 16;
inline constexpr std::uint8_t StandbyIdle = 17;
} // namespace state_event

// CQ_EVENT values.
inline constexpr std::uint8_t kCqEventEnded = 0;
inline constexpr std::uint8_t kCqEventCalling = 102;

} // namespace modara_sim
