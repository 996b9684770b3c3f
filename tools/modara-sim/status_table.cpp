#include "status_table.h"

#include <array>

namespace modara_sim {

namespace {

constexpr std::array<StatusInfo, 28> kStatuses{{
    {0x09, "HW_RESET", FollowOn::CallText, 0},
    {0x20, "LINKED", FollowOn::CallText, 0},
    {0x21, "FEC_CCB_FROM", FollowOn::CallText, 0},
    {0x22, "ARQ_CCB_FROM", FollowOn::CallText, 0},
    {0x23, "DISCONNECTED", FollowOn::Fixed, 1},
    {0x24, "LINK_FAILED", FollowOn::Fixed, 1},
    {0x26, "CQ_FROM", FollowOn::CallText, 0},
    {0x27, "ARQ_LINK_REQUEST", FollowOn::Fixed, 1},
    {0x28, "ARQ_CALL_TO", FollowOn::CallText, 0},
    {0x29, "AMTOR_476_LINK", FollowOn::Fixed, 1},
    {0x2A, "AMTOR_625_LINK", FollowOn::CallText, 0},
    {0x2B, "PMODE_LINK", FollowOn::CallText, 0},
    {0x2C, "SELFEC_TO", FollowOn::PairText, 0},
    {0x2D, "PAIR_TEXT_2D", FollowOn::PairText, 0},
    {0x2E, "PAIR_TEXT_2E", FollowOn::PairText, 0},
    {0x30, "ECHO_OFF", FollowOn::None, 0},
    {0x31, "ECHO_ON", FollowOn::None, 0},
    {0x70, "TUNE_LEVELS", FollowOn::Fixed, 8},
    {0x71, "IGNORED_71", FollowOn::Fixed, 1},
    {0x72, "LINK_STATISTICS", FollowOn::Fixed, 14},
    {0x73, "CQ_EVENT", FollowOn::Fixed, 1},
    {0x74, "IGNORED_74", FollowOn::Fixed, 1},
    {0x75, "MODULATION_REPORT", FollowOn::Fixed, 4},
    {0x7A, "STATE_EVENT", FollowOn::Fixed, 1},
    {0x7C, "IGNORED_7C", FollowOn::Fixed, 2},
    {0x7D, "IGNORED_7D", FollowOn::Fixed, 1},
    {0x7E, "FREQ_OFFSET", FollowOn::Fixed, 1},
    {0x7F, "IGNORED_7F", FollowOn::Fixed, 2},
}};

constexpr std::array<StateEventInfo, 23> kStateEvents{{
    {0, "IDLE"},
    {1, "TFC"},
    {2, "RQ"},
    {3, "ERR"},
    {4, "PHS"},
    {5, "OVER"},
    {6, "TX"},
    {7, "RX"},
    {8, "RATE_100"},
    {9, "RATE_200"},
    {10, "HUFFMAN_ON"},
    {11, "HUFFMAN_OFF"},
    {12, "STBY"},
    {13, "STBY_NOTICE"},
    {14, "ISS"},
    {15, "IRS"},
    {16, "STBY_LISTEN"},
    {17, "STBY_IDLE"},
    {18, "FEC_TX"},
    {19, "FEC_RX"},
    {20, "SELFEC_TX"},
    {21, "FREE_SIG_TX"},
    {22, "FREE_SIG_TIMEOUT"},
}};

} // namespace

const StateEventInfo* findStateEvent(std::string_view name) {
    for (const auto& info : kStateEvents)
        if (info.name == name) return &info;
    return nullptr;
}

const StatusInfo* findStatus(std::string_view name) {
    for (const auto& info : kStatuses)
        if (info.name == name) return &info;
    return nullptr;
}

const StatusInfo* findStatus(std::uint8_t code) {
    for (const auto& info : kStatuses)
        if (info.code == code) return &info;
    return nullptr;
}

} // namespace modara_sim
