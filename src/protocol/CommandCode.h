#pragma once

#include <cstdint>

namespace orvane {

// In the stream to the modem, 0x80 says "the next byte is a command or a
// parameter byte" and 0x81 says "the next byte is data, whatever its value".
// Every other byte is data for the air.
inline constexpr std::uint8_t CommandEscape = 0x80;
inline constexpr std::uint8_t DataEscape = 0x81;

// Every code the console sends to the Modara. The names are the ones the
// logs, the mode set-ups and the operator documentation use.
enum class CommandCode : std::uint8_t {
    // Link actions, tests, calls and texts.
    QUERY_SELFTEST = 0x02,
    TEST_MULTITONE = 0x04,
    TEST_OFF = 0x05,
    PANIC = 0x06, // the only code that follows DataEscape instead of CommandEscape
    DISCONNECT = 0x07,
    HOST_SHUTDOWN = 0x09,
    CWID_NOW = 0x0A,
    TEST_SINGLETONE = 0x0B,
    FW_ERASE = 0x0F,
    QUORAL_CALL_ROBUST = 0x10,
    QUORAL_CALL_NORMAL = 0x11,
    QUORAL_BROADCAST = 0x12,
    SET_MYCALL = 0x13,
    QUORAL_CQ = 0x14,
    QUORAL_ANSWER_CQ = 0x15,
    AMTOR_CALL_476 = 0x16,
    AMTOR_CALL_625 = 0x17,
    AMTOR_SFEC = 0x18,
    PMODE_CALL_SHORT = 0x19,
    PMODE_CALL_LONG = 0x1A,
    PMODE_UNPROTO = 0x1C,
    AMTOR_FEC = 0x1D,

    // First switch bank: 0x4n turns switch n off, 0x5n turns it on.
    SW1_OFF = 0x41,
    ADAPTIVE_OFF = 0x44,
    CWID_OFF = 0x45,
    SW6_OFF = 0x46,
    LISTEN_OFF = 0x48,
    SW9_OFF = 0x49,
    POL_REV = 0x4B,
    RXPOL_SAME_OFF = 0x4C,
    SW13_OFF = 0x4D,
    SW1_ON = 0x51,
    ADAPTIVE_ON = 0x54,
    CWID_ON = 0x55,
    SW6_ON = 0x56,
    LISTEN_ON = 0x58,
    SW9_ON = 0x59,
    SW10_ON = 0x5A,
    POL_NORM = 0x5B,
    RXPOL_SAME_ON = 0x5C,
    SW13_ON = 0x5D,

    // Quoral and level settings with one parameter byte.
    QUORAL_ROBUST_RETRY = 0x60,
    QUORAL_NORMAL_RETRY = 0x61,
    QUORAL_FAIL_RETRY = 0x62,
    AF_CHANNEL = 0x63,
    QUORAL_WAVEFORM = 0x64,
    QUORAL_AUTOBIAS = 0x65,
    SCAN_CONTROL = 0x67,
    QUORAL_CHAT_COUNT = 0x68,
    FW_LOAD_START = 0x6A,
    AUDIO_LEVEL = 0x6C,

    // Start-up queries.
    QUERY_VERSION_V = 0x76,
    QUERY_VERSION_W = 0x77,
    QUERY_VERSION_X = 0x78,
    QUERY_ID = 0x7B,
    QUERY_PRODUCT = 0xA0,

    // Mode selection and immediate actions.
    MODE_QUORAL = 0x80,
    MODE_AMTOR = 0x81,
    AMTOR_CFEC = 0x82,
    MODE_PMODE = 0x83,
    MODE_FSK_PREP = 0x84,
    MODE_BAUDOT = 0x85,
    MODE_ASCII = 0x86,
    FORCED_OVER = 0x87,
    BAUDOT_LTRS = 0x89,
    TEST_MARK = 0x8B,
    TEST_SPACE = 0x8C,
    TEST_MARK_SPACE = 0x8D,
    FSK_IDLE = 0x8E,

    // AMTOR identities (text parameter).
    SET_MYCALL476 = 0x90,
    SET_MYCALL625 = 0x91,
    SET_GROUPCALL = 0x92,
    SET_ANSWERBACK = 0x94,

    // Second switch bank: 0xCn and 0xDn are the two states of switch n.
    BAUDOT_CODE_US = 0xC0,
    SYNC_IDLE_OFF = 0xC1,
    AMTOR_WRU_OFF = 0xC2,
    BAUDOT_USOS_OFF = 0xC3,
    AMTOR_CASE_UPPER = 0xC4,
    PMODE_HUFFMAN_ON = 0xC9,
    FSK_POL_REV = 0xCB,
    BAUDOT_CODE_OTHER = 0xD0,
    SYNC_IDLE_ON = 0xD1,
    AMTOR_WRU_ON = 0xD2,
    BAUDOT_USOS_ON = 0xD3,
    AMTOR_CASE_LOWER = 0xD4,
    PMODE_HUFFMAN_OFF = 0xD9,
    FSK_POL_NORM = 0xDB,

    // FSK-mode settings.
    AMTOR_CD = 0xE0,
    AMTOR_TD = 0xE1,
    PTT_ON_DELAY = 0xE3,
    BAUDOT_RATE = 0xE4,
    ASCII_RATE = 0xE5,
    PRINT_SQUELCH = 0xE8,
    AMTOR_TIMEOUT = 0xE9,
    FSK_FAMILY = 0xEB,
    FSK_TONES = 0xEC,
    PTT_OFF_DELAY = 0xED,
    PARAM_EE = 0xEE,
    PMODE_F0 = 0xF0,
    PMODE_CS_DELAY = 0xF1,
    PMODE_MAX_UP = 0xF2,
    PMODE_MAX_TRY = 0xF3,
    PMODE_MAX_DOWN = 0xF4,
    PMODE_MAX_ERROR = 0xF5,
    PMODE_UNPROTO_RATE = 0xF6,
    PMODE_FEC_REPEATS = 0xF7,
    PMODE_MAX_ARQ_SUM = 0xF8,
};

inline constexpr std::uint8_t codeByte(CommandCode code) {
    return static_cast<std::uint8_t>(code);
}

} // namespace orvane
