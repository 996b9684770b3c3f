#include "command_table.h"

#include <algorithm>
#include <array>

namespace modara_sim {

namespace {

constexpr CommandInfo none(std::uint8_t code, std::string_view name) {
    return {code, name, ParamKind::None, 0};
}
constexpr CommandInfo bytes(std::uint8_t code, std::string_view name, int count) {
    return {code, name, ParamKind::Fixed, count};
}
constexpr CommandInfo text(std::uint8_t code, std::string_view name) {
    return {code, name, ParamKind::Text, 0};
}

constexpr std::array kCommands{
    // link actions, tests, calls and texts
    none(0x02, "QUERY_SELFTEST"),
    none(0x04, "TEST_MULTITONE"),
    none(0x05, "TEST_OFF"),
    none(0x07, "DISCONNECT"),
    none(0x09, "HOST_SHUTDOWN"),
    none(0x0A, "CWID_NOW"),
    none(0x0B, "TEST_SINGLETONE"),
    bytes(0x0F, "FW_ERASE", 1),
    text(0x10, "QUORAL_CALL_ROBUST"),
    text(0x11, "QUORAL_CALL_NORMAL"),
    text(0x12, "QUORAL_BROADCAST"),
    text(0x13, "SET_MYCALL"),
    text(0x14, "QUORAL_CQ"),
    text(0x15, "QUORAL_ANSWER_CQ"),
    text(0x16, "AMTOR_CALL_476"),
    text(0x17, "AMTOR_CALL_625"),
    text(0x18, "AMTOR_SFEC"),
    text(0x19, "PMODE_CALL_SHORT"),
    text(0x1A, "PMODE_CALL_LONG"),
    text(0x1C, "PMODE_UNPROTO"),
    text(0x1D, "AMTOR_FEC"),
    // first switch bank: 0x4n off, 0x5n on
    none(0x41, "SW1_OFF"),
    none(0x44, "ADAPTIVE_OFF"),
    none(0x45, "CWID_OFF"),
    none(0x46, "SW6_OFF"),
    none(0x48, "LISTEN_OFF"),
    none(0x49, "SW9_OFF"),
    none(0x4B, "POL_REV"),
    none(0x4C, "RXPOL_SAME_OFF"),
    none(0x4D, "SW13_OFF"),
    none(0x51, "SW1_ON"),
    none(0x54, "ADAPTIVE_ON"),
    none(0x55, "CWID_ON"),
    none(0x56, "SW6_ON"),
    none(0x58, "LISTEN_ON"),
    none(0x59, "SW9_ON"),
    none(0x5A, "SW10_ON"),
    none(0x5B, "POL_NORM"),
    none(0x5C, "RXPOL_SAME_ON"),
    none(0x5D, "SW13_ON"),
    // settings with one parameter byte
    bytes(0x60, "QUORAL_ROBUST_RETRY", 1),
    bytes(0x61, "QUORAL_NORMAL_RETRY", 1),
    bytes(0x62, "QUORAL_FAIL_RETRY", 1),
    bytes(0x63, "AF_CHANNEL", 1),
    bytes(0x64, "QUORAL_WAVEFORM", 1),
    bytes(0x65, "QUORAL_AUTOBIAS", 1),
    bytes(0x67, "SCAN_CONTROL", 1),
    bytes(0x68, "QUORAL_CHAT_COUNT", 1),
    bytes(0x6A, "FW_LOAD_START", 1),
    bytes(0x6C, "AUDIO_LEVEL", 1),
    // start-up queries
    none(0x76, "QUERY_VERSION_V"),
    none(0x77, "QUERY_VERSION_W"),
    none(0x78, "QUERY_VERSION_X"),
    none(0x7B, "QUERY_ID"),
    // mode selection and immediate actions
    none(0x80, "MODE_QUORAL"),
    none(0x81, "MODE_AMTOR"),
    none(0x82, "AMTOR_CFEC"),
    none(0x83, "MODE_PMODE"),
    none(0x84, "MODE_FSK_PREP"),
    none(0x85, "MODE_BAUDOT"),
    none(0x86, "MODE_ASCII"),
    none(0x87, "FORCED_OVER"),
    none(0x89, "BAUDOT_LTRS"),
    none(0x8B, "TEST_MARK"),
    none(0x8C, "TEST_SPACE"),
    none(0x8D, "TEST_MARK_SPACE"),
    none(0x8E, "FSK_IDLE"),
    // AMTOR identities
    text(0x90, "SET_MYCALL476"),
    text(0x91, "SET_MYCALL625"),
    text(0x92, "SET_GROUPCALL"),
    text(0x94, "SET_ANSWERBACK"),
    none(0xA0, "QUERY_PRODUCT"),
    // second switch bank: 0xCn and 0xDn are the two states of switch n
    none(0xC0, "BAUDOT_CODE_US"),
    none(0xC1, "SYNC_IDLE_OFF"),
    none(0xC2, "AMTOR_WRU_OFF"),
    none(0xC3, "BAUDOT_USOS_OFF"),
    none(0xC4, "AMTOR_CASE_UPPER"),
    none(0xC9, "PMODE_HUFFMAN_ON"),
    none(0xCB, "FSK_POL_REV"),
    none(0xD0, "BAUDOT_CODE_OTHER"),
    none(0xD1, "SYNC_IDLE_ON"),
    none(0xD2, "AMTOR_WRU_ON"),
    none(0xD3, "BAUDOT_USOS_ON"),
    none(0xD4, "AMTOR_CASE_LOWER"),
    none(0xD9, "PMODE_HUFFMAN_OFF"),
    none(0xDB, "FSK_POL_NORM"),
    // FSK settings
    bytes(0xE0, "AMTOR_CD", 1),
    bytes(0xE1, "AMTOR_TD", 1),
    bytes(0xE3, "PTT_ON_DELAY", 1),
    bytes(0xE4, "BAUDOT_RATE", 1),
    bytes(0xE5, "ASCII_RATE", 1),
    bytes(0xE8, "PRINT_SQUELCH", 1),
    bytes(0xE9, "AMTOR_TIMEOUT", 1),
    bytes(0xEB, "FSK_FAMILY", 1),
    bytes(0xEC, "FSK_TONES", 4),
    bytes(0xED, "PTT_OFF_DELAY", 1),
    bytes(0xEE, "PARAM_EE", 1),
    bytes(0xF0, "PMODE_F0", 1),
    bytes(0xF1, "PMODE_CS_DELAY", 1),
    bytes(0xF2, "PMODE_MAX_UP", 1),
    bytes(0xF3, "PMODE_MAX_TRY", 1),
    bytes(0xF4, "PMODE_MAX_DOWN", 1),
    bytes(0xF5, "PMODE_MAX_ERROR", 1),
    bytes(0xF6, "PMODE_UNPROTO_RATE", 1),
    bytes(0xF7, "PMODE_FEC_REPEATS", 1),
    bytes(0xF8, "PMODE_MAX_ARQ_SUM", 1),
};

static_assert(std::is_sorted(kCommands.begin(), kCommands.end(),
                             [](const CommandInfo& a, const CommandInfo& b) {
                                 return a.code < b.code;
                             }),
              "the command table is kept in code order for the binary search");

} // namespace

const CommandInfo* findCommand(std::uint8_t code) {
    auto it =
        std::lower_bound(kCommands.begin(), kCommands.end(), code,
                         [](const CommandInfo& info, std::uint8_t c) { return info.code < c; });
    return it != kCommands.end() && it->code == code ? &*it : nullptr;
}

} // namespace modara_sim
