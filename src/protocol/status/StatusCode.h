#pragma once

#include <cstdint>

namespace orvane {

// The status codes the modem sends after its 0x80 prefix.
enum class StatusCode : std::uint8_t {
    HW_RESET = 0x09,
    LINKED = 0x20,
    FEC_CCB_FROM = 0x21,
    ARQ_CCB_FROM = 0x22,
    DISCONNECTED = 0x23,
    LINK_FAILED = 0x24,
    CQ_FROM = 0x26,
    ARQ_LINK_REQUEST = 0x27,
    ARQ_CALL_TO = 0x28,
    AMTOR_476_LINK = 0x29,
    AMTOR_625_LINK = 0x2A,
    PMODE_LINK = 0x2B,
    SELFEC_TO = 0x2C,
    PAIR_TEXT_2D = 0x2D,
    PAIR_TEXT_2E = 0x2E,
    ECHO_OFF = 0x30,
    ECHO_ON = 0x31,
    TUNE_LEVELS = 0x70,
    IGNORED_71 = 0x71,
    LINK_STATISTICS = 0x72,
    CQ_EVENT = 0x73,
    IGNORED_74 = 0x74,
    MODULATION_REPORT = 0x75,
    STATE_EVENT = 0x7A,
    IGNORED_7C = 0x7C,
    IGNORED_7D = 0x7D,
    FREQ_OFFSET = 0x7E,
    IGNORED_7F = 0x7F,
};

} // namespace orvane
