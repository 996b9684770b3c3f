#include "protocol/CommandTable.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

using enum CommandCode;
using enum ParameterKind;
using enum SendKind;

constexpr CommandInfo row(CommandCode code, std::string_view name, ParameterKind kind = None,
                          int count = 0, SendKind send = Command,
                          std::uint8_t escape = CommandEscape) {
    return {code, name, kind, count, send, escape};
}

constexpr CommandInfo text(CommandCode code, std::string_view name) {
    return row(code, name, Text);
}

constexpr CommandInfo oneByte(CommandCode code, std::string_view name) {
    return row(code, name, Bytes, 1);
}

#define ORVANE_ROW(code, ...) row(code, #code __VA_OPT__(, ) __VA_ARGS__)
#define ORVANE_TEXT(code) text(code, #code)
#define ORVANE_BYTE(code) oneByte(code, #code)

constexpr auto kTable = std::to_array<CommandInfo>({
    ORVANE_ROW(QUERY_SELFTEST),
    ORVANE_ROW(TEST_MULTITONE),
    ORVANE_ROW(TEST_OFF),
    // Goes out as 0x81 0x06 once the transmit queue has been emptied.
    ORVANE_ROW(PANIC, None, 0, ClearQueueThenAppend, DataEscape),
    ORVANE_ROW(DISCONNECT),
    // At program exit; nothing still queued may follow it.
    ORVANE_ROW(HOST_SHUTDOWN, None, 0, ClearQueueThenAppend),
    // Only the Alt+F4 key sends it, without the pause.
    ORVANE_ROW(CWID_NOW, None, 0, DirectAppend),
    ORVANE_ROW(TEST_SINGLETONE),
    // The loader writes the code, waits for the modem to answer it, then
    // writes the image type.
    ORVANE_ROW(FW_ERASE, Bytes, 1, LoaderWrite),
    ORVANE_TEXT(QUORAL_CALL_ROBUST),
    ORVANE_TEXT(QUORAL_CALL_NORMAL),
    ORVANE_TEXT(QUORAL_BROADCAST),
    ORVANE_TEXT(SET_MYCALL),
    ORVANE_TEXT(QUORAL_CQ),
    ORVANE_TEXT(QUORAL_ANSWER_CQ),
    ORVANE_TEXT(AMTOR_CALL_476),
    ORVANE_TEXT(AMTOR_CALL_625),
    ORVANE_TEXT(AMTOR_SFEC),
    ORVANE_TEXT(PMODE_CALL_SHORT),
    ORVANE_TEXT(PMODE_CALL_LONG),
    ORVANE_TEXT(PMODE_UNPROTO),
    ORVANE_TEXT(AMTOR_FEC),

    ORVANE_ROW(SW1_OFF),
    ORVANE_ROW(ADAPTIVE_OFF),
    ORVANE_ROW(CWID_OFF),
    ORVANE_ROW(SW6_OFF),
    ORVANE_ROW(LISTEN_OFF),
    ORVANE_ROW(SW9_OFF),
    ORVANE_ROW(POL_REV),
    ORVANE_ROW(RXPOL_SAME_OFF),
    ORVANE_ROW(SW13_OFF),
    ORVANE_ROW(SW1_ON),
    ORVANE_ROW(ADAPTIVE_ON),
    ORVANE_ROW(CWID_ON),
    ORVANE_ROW(SW6_ON),
    ORVANE_ROW(LISTEN_ON),
    ORVANE_ROW(SW9_ON),
    ORVANE_ROW(SW10_ON),
    ORVANE_ROW(POL_NORM),
    ORVANE_ROW(RXPOL_SAME_ON),
    ORVANE_ROW(SW13_ON),

    ORVANE_BYTE(QUORAL_ROBUST_RETRY),
    ORVANE_BYTE(QUORAL_NORMAL_RETRY),
    ORVANE_BYTE(QUORAL_FAIL_RETRY),
    ORVANE_BYTE(AF_CHANNEL),
    ORVANE_BYTE(QUORAL_WAVEFORM),
    ORVANE_BYTE(QUORAL_AUTOBIAS),
    ORVANE_BYTE(SCAN_CONTROL),
    ORVANE_BYTE(QUORAL_CHAT_COUNT),
    ORVANE_ROW(FW_LOAD_START, Bytes, 1, LoaderWrite),
    ORVANE_BYTE(AUDIO_LEVEL),

    ORVANE_ROW(QUERY_VERSION_V),
    ORVANE_ROW(QUERY_VERSION_W),
    ORVANE_ROW(QUERY_VERSION_X),
    ORVANE_ROW(QUERY_ID),

    ORVANE_ROW(MODE_QUORAL),
    ORVANE_ROW(MODE_AMTOR),
    ORVANE_ROW(AMTOR_CFEC),
    ORVANE_ROW(MODE_PMODE),
    ORVANE_ROW(MODE_FSK_PREP),
    ORVANE_ROW(MODE_BAUDOT),
    ORVANE_ROW(MODE_ASCII),
    // The receiving station takes the turn at once: ahead of the queue.
    ORVANE_ROW(FORCED_OVER, None, 0, ImmediateWrite),
    ORVANE_ROW(BAUDOT_LTRS),
    ORVANE_ROW(TEST_MARK),
    ORVANE_ROW(TEST_SPACE),
    ORVANE_ROW(TEST_MARK_SPACE),
    // Queued by the transmit pump together with the text, without the pause.
    ORVANE_ROW(FSK_IDLE, None, 0, DirectAppend),

    ORVANE_TEXT(SET_MYCALL476),
    ORVANE_TEXT(SET_MYCALL625),
    ORVANE_TEXT(SET_GROUPCALL),
    ORVANE_TEXT(SET_ANSWERBACK),

    ORVANE_ROW(QUERY_PRODUCT),

    ORVANE_ROW(BAUDOT_CODE_US),
    ORVANE_ROW(SYNC_IDLE_OFF),
    ORVANE_ROW(AMTOR_WRU_OFF),
    ORVANE_ROW(BAUDOT_USOS_OFF),
    ORVANE_ROW(AMTOR_CASE_UPPER),
    ORVANE_ROW(PMODE_HUFFMAN_ON),
    ORVANE_ROW(FSK_POL_REV),
    ORVANE_ROW(BAUDOT_CODE_OTHER),
    ORVANE_ROW(SYNC_IDLE_ON),
    ORVANE_ROW(AMTOR_WRU_ON),
    ORVANE_ROW(BAUDOT_USOS_ON),
    ORVANE_ROW(AMTOR_CASE_LOWER),
    ORVANE_ROW(PMODE_HUFFMAN_OFF),
    ORVANE_ROW(FSK_POL_NORM),

    ORVANE_BYTE(AMTOR_CD),
    ORVANE_BYTE(AMTOR_TD),
    ORVANE_BYTE(PTT_ON_DELAY),
    ORVANE_BYTE(BAUDOT_RATE),
    ORVANE_BYTE(ASCII_RATE),
    ORVANE_BYTE(PRINT_SQUELCH),
    ORVANE_BYTE(AMTOR_TIMEOUT),
    ORVANE_BYTE(FSK_FAMILY),
    ORVANE_ROW(FSK_TONES, Bytes, 4), // mark then space, each high byte first
    ORVANE_BYTE(PTT_OFF_DELAY),
    ORVANE_BYTE(PARAM_EE),
    ORVANE_BYTE(PMODE_F0),
    ORVANE_BYTE(PMODE_CS_DELAY),
    ORVANE_BYTE(PMODE_MAX_UP),
    ORVANE_BYTE(PMODE_MAX_TRY),
    ORVANE_BYTE(PMODE_MAX_DOWN),
    ORVANE_BYTE(PMODE_MAX_ERROR),
    ORVANE_BYTE(PMODE_UNPROTO_RATE),
    ORVANE_BYTE(PMODE_FEC_REPEATS),
    ORVANE_BYTE(PMODE_MAX_ARQ_SUM),
});

#undef ORVANE_ROW
#undef ORVANE_TEXT
#undef ORVANE_BYTE

} // namespace

std::span<const CommandInfo> commandTable() {
    return kTable;
}

const CommandInfo* findCommand(CommandCode code) {
    auto it = std::find_if(kTable.begin(), kTable.end(),
                           [code](const CommandInfo& info) { return info.code == code; });
    return it == kTable.end() ? nullptr : &*it;
}

const CommandInfo* findCommand(std::string_view name) {
    auto it = std::find_if(kTable.begin(), kTable.end(),
                           [name](const CommandInfo& info) { return info.name == name; });
    return it == kTable.end() ? nullptr : &*it;
}

} // namespace orvane
