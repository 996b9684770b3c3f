#pragma once
// The commands the console sends to the modem, with the shape of their parameters.
// The parameter count is fixed per code: nothing on the wire says how many follow.

#include <cstdint>
#include <string_view>

namespace modara_sim {

enum class ParamKind {
    None,  // command byte only
    Fixed, // a fixed number of parameter bytes
    Text,  // parameter characters up to the terminator 0x80 0x00
};

struct CommandInfo {
    std::uint8_t code;
    std::string_view name;
    ParamKind kind;
    int count; // parameter bytes for ParamKind::Fixed
};

// The entry for `code`, or nullptr for a code the modem does not know.
const CommandInfo* findCommand(std::uint8_t code);

// Codes the simulator acts on.
namespace cmd {
inline constexpr std::uint8_t QuerySelftest = 0x02;
inline constexpr std::uint8_t Disconnect = 0x07;
inline constexpr std::uint8_t HostShutdown = 0x09;
inline constexpr std::uint8_t FwErase = 0x0F;
inline constexpr std::uint8_t QuoralCallRobust = 0x10;
inline constexpr std::uint8_t QuoralCallNormal = 0x11;
inline constexpr std::uint8_t QuoralBroadcast = 0x12;
inline constexpr std::uint8_t SetMycall = 0x13;
inline constexpr std::uint8_t QuoralCq = 0x14;
inline constexpr std::uint8_t QuoralAnswerCq = 0x15;
inline constexpr std::uint8_t AmtorCall476 = 0x16;
inline constexpr std::uint8_t AmtorCall625 = 0x17;
inline constexpr std::uint8_t AmtorSfec = 0x18;
inline constexpr std::uint8_t PmodeCallShort = 0x19;
inline constexpr std::uint8_t PmodeCallLong = 0x1A;
inline constexpr std::uint8_t PmodeUnproto = 0x1C;
inline constexpr std::uint8_t AmtorFec = 0x1D;
inline constexpr std::uint8_t ListenOff = 0x48;
inline constexpr std::uint8_t ListenOn = 0x58;
inline constexpr std::uint8_t FwLoadStart = 0x6A;
inline constexpr std::uint8_t QueryVersionV = 0x76;
inline constexpr std::uint8_t QueryVersionW = 0x77;
inline constexpr std::uint8_t QueryVersionX = 0x78;
inline constexpr std::uint8_t QueryId = 0x7B;
inline constexpr std::uint8_t ModeQuoral = 0x80;
inline constexpr std::uint8_t ModeAmtor = 0x81;
inline constexpr std::uint8_t AmtorCfec = 0x82;
inline constexpr std::uint8_t ModePmode = 0x83;
inline constexpr std::uint8_t ModeFskPrep = 0x84;
inline constexpr std::uint8_t ModeBaudot = 0x85;
inline constexpr std::uint8_t ModeAscii = 0x86;
inline constexpr std::uint8_t QueryProduct = 0xA0;
inline constexpr std::uint8_t ForcedOver = 0x87;
} // namespace cmd

} // namespace modara_sim
