#include "protocol/CommandTable.h"
#include "protocol/CommandBuilders.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using enum SendKind;

// The vocabulary as the operator documentation lists it: name, code,
// parameters ('-' none, 't' text, or a count of bytes) and how it is sent.
struct Expected {
    const char* name;
    std::uint8_t code;
    char parameters;
    SendKind send;
};

const Expected kRows[] = {
    {"QUERY_SELFTEST", 0x02, '-', Command},
    {"TEST_MULTITONE", 0x04, '-', Command},
    {"TEST_OFF", 0x05, '-', Command},
    {"PANIC", 0x06, '-', ClearQueueThenAppend},
    {"DISCONNECT", 0x07, '-', Command},
    {"HOST_SHUTDOWN", 0x09, '-', ClearQueueThenAppend},
    {"CWID_NOW", 0x0A, '-', DirectAppend},
    {"TEST_SINGLETONE", 0x0B, '-', Command},
    {"FW_ERASE", 0x0F, '1', LoaderWrite},
    {"QUORAL_CALL_ROBUST", 0x10, 't', Command},
    {"QUORAL_CALL_NORMAL", 0x11, 't', Command},
    {"QUORAL_BROADCAST", 0x12, 't', Command},
    {"SET_MYCALL", 0x13, 't', Command},
    {"QUORAL_CQ", 0x14, 't', Command},
    {"QUORAL_ANSWER_CQ", 0x15, 't', Command},
    {"AMTOR_CALL_476", 0x16, 't', Command},
    {"AMTOR_CALL_625", 0x17, 't', Command},
    {"AMTOR_SFEC", 0x18, 't', Command},
    {"PMODE_CALL_SHORT", 0x19, 't', Command},
    {"PMODE_CALL_LONG", 0x1A, 't', Command},
    {"PMODE_UNPROTO", 0x1C, 't', Command},
    {"AMTOR_FEC", 0x1D, 't', Command},
    {"SW1_OFF", 0x41, '-', Command},
    {"SW1_ON", 0x51, '-', Command},
    {"ADAPTIVE_OFF", 0x44, '-', Command},
    {"ADAPTIVE_ON", 0x54, '-', Command},
    {"CWID_OFF", 0x45, '-', Command},
    {"CWID_ON", 0x55, '-', Command},
    {"SW6_OFF", 0x46, '-', Command},
    {"SW6_ON", 0x56, '-', Command},
    {"LISTEN_OFF", 0x48, '-', Command},
    {"LISTEN_ON", 0x58, '-', Command},
    {"SW9_OFF", 0x49, '-', Command},
    {"SW9_ON", 0x59, '-', Command},
    {"SW10_ON", 0x5A, '-', Command},
    {"POL_REV", 0x4B, '-', Command},
    {"POL_NORM", 0x5B, '-', Command},
    {"RXPOL_SAME_OFF", 0x4C, '-', Command},
    {"RXPOL_SAME_ON", 0x5C, '-', Command},
    {"SW13_OFF", 0x4D, '-', Command},
    {"SW13_ON", 0x5D, '-', Command},
    {"BAUDOT_CODE_US", 0xC0, '-', Command},
    {"BAUDOT_CODE_OTHER", 0xD0, '-', Command},
    {"SYNC_IDLE_OFF", 0xC1, '-', Command},
    {"SYNC_IDLE_ON", 0xD1, '-', Command},
    {"AMTOR_WRU_OFF", 0xC2, '-', Command},
    {"AMTOR_WRU_ON", 0xD2, '-', Command},
    {"BAUDOT_USOS_OFF", 0xC3, '-', Command},
    {"BAUDOT_USOS_ON", 0xD3, '-', Command},
    {"AMTOR_CASE_UPPER", 0xC4, '-', Command},
    {"AMTOR_CASE_LOWER", 0xD4, '-', Command},
    {"PMODE_HUFFMAN_ON", 0xC9, '-', Command},
    {"PMODE_HUFFMAN_OFF", 0xD9, '-', Command},
    {"FSK_POL_REV", 0xCB, '-', Command},
    {"FSK_POL_NORM", 0xDB, '-', Command},
    {"QUORAL_ROBUST_RETRY", 0x60, '1', Command},
    {"QUORAL_NORMAL_RETRY", 0x61, '1', Command},
    {"QUORAL_FAIL_RETRY", 0x62, '1', Command},
    {"AF_CHANNEL", 0x63, '1', Command},
    {"QUORAL_WAVEFORM", 0x64, '1', Command},
    {"QUORAL_AUTOBIAS", 0x65, '1', Command},
    {"SCAN_CONTROL", 0x67, '1', Command},
    {"QUORAL_CHAT_COUNT", 0x68, '1', Command},
    {"AUDIO_LEVEL", 0x6C, '1', Command},
    {"AMTOR_CD", 0xE0, '1', Command},
    {"AMTOR_TD", 0xE1, '1', Command},
    {"PTT_ON_DELAY", 0xE3, '1', Command},
    {"BAUDOT_RATE", 0xE4, '1', Command},
    {"ASCII_RATE", 0xE5, '1', Command},
    {"PRINT_SQUELCH", 0xE8, '1', Command},
    {"AMTOR_TIMEOUT", 0xE9, '1', Command},
    {"FSK_FAMILY", 0xEB, '1', Command},
    {"FSK_TONES", 0xEC, '4', Command},
    {"PTT_OFF_DELAY", 0xED, '1', Command},
    {"PARAM_EE", 0xEE, '1', Command},
    {"PMODE_F0", 0xF0, '1', Command},
    {"PMODE_CS_DELAY", 0xF1, '1', Command},
    {"PMODE_MAX_UP", 0xF2, '1', Command},
    {"PMODE_MAX_TRY", 0xF3, '1', Command},
    {"PMODE_MAX_DOWN", 0xF4, '1', Command},
    {"PMODE_MAX_ERROR", 0xF5, '1', Command},
    {"PMODE_UNPROTO_RATE", 0xF6, '1', Command},
    {"PMODE_FEC_REPEATS", 0xF7, '1', Command},
    {"PMODE_MAX_ARQ_SUM", 0xF8, '1', Command},
    {"QUERY_VERSION_V", 0x76, '-', Command},
    {"QUERY_VERSION_W", 0x77, '-', Command},
    {"QUERY_VERSION_X", 0x78, '-', Command},
    {"QUERY_ID", 0x7B, '-', Command},
    {"MODE_QUORAL", 0x80, '-', Command},
    {"MODE_AMTOR", 0x81, '-', Command},
    {"AMTOR_CFEC", 0x82, '-', Command},
    {"MODE_PMODE", 0x83, '-', Command},
    {"MODE_FSK_PREP", 0x84, '-', Command},
    {"MODE_BAUDOT", 0x85, '-', Command},
    {"MODE_ASCII", 0x86, '-', Command},
    {"FORCED_OVER", 0x87, '-', ImmediateWrite},
    {"BAUDOT_LTRS", 0x89, '-', Command},
    {"TEST_MARK", 0x8B, '-', Command},
    {"TEST_SPACE", 0x8C, '-', Command},
    {"TEST_MARK_SPACE", 0x8D, '-', Command},
    {"FSK_IDLE", 0x8E, '-', DirectAppend},
    {"SET_MYCALL476", 0x90, 't', Command},
    {"SET_MYCALL625", 0x91, 't', Command},
    {"SET_GROUPCALL", 0x92, 't', Command},
    {"SET_ANSWERBACK", 0x94, 't', Command},
    {"QUERY_PRODUCT", 0xA0, '-', Command},
    {"FW_LOAD_START", 0x6A, '1', LoaderWrite},
};

// Every row: the table agrees with the documentation, and the builder puts
// exactly the escape, the code and the parameters on the wire.
TEST(CommandTable, EveryRowIsBuiltByteForByte) {
    for (const Expected& row : kRows) {
        SCOPED_TRACE(row.name);
        const CommandInfo* info = findCommand(row.name);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(codeByte(info->code), row.code);
        EXPECT_EQ(findCommand(info->code), info);
        EXPECT_EQ(info->sendKind, row.send);

        const std::uint8_t escape = row.code == 0x06 ? 0x81 : 0x80;
        ModemCommand built;
        Bytes expected{escape, row.code};
        if (row.parameters == '-') {
            built = command(info->code);
        } else if (row.parameters == 't') {
            built = textCommand(info->code, "K1A");
            expected.insert(expected.end(), {0x80, 'K', 0x80, '1', 0x80, 'A', 0x80, 0x00});
        } else if (row.parameters == '1') {
            built = command(info->code, {0x1A7}); // only the low byte goes out
            expected.insert(expected.end(), {0x80, 0xA7});
        } else {
            built = command(info->code, {1, 2, 3, 4});
            expected.insert(expected.end(), {0x80, 1, 0x80, 2, 0x80, 3, 0x80, 4});
        }
        EXPECT_EQ(built.bytes(), expected) << toHex(built.bytes());
        EXPECT_EQ(built.sendKind(), row.send);
    }
}

TEST(CommandTable, HoldsNothingElseAndEachCodeOnce) {
    EXPECT_EQ(commandTable().size(), std::size(kRows));
    std::set<std::uint8_t> codes;
    for (const CommandInfo& info : commandTable())
        codes.insert(codeByte(info.code));
    EXPECT_EQ(codes.size(), commandTable().size());
    EXPECT_EQ(findCommand("NO_SUCH_COMMAND"), nullptr);
}

// A command with the wrong number of parameters would make the modem read
// the following bytes out of step, so the builders refuse it.
TEST(CommandTable, BuildersRefuseTheWrongParameters) {
    using enum CommandCode;
    EXPECT_THROW(command(AUDIO_LEVEL), std::invalid_argument);
    EXPECT_THROW(command(FSK_TONES, {1, 2}), std::invalid_argument);
    EXPECT_THROW(command(SW1_OFF, {1}), std::invalid_argument);
    EXPECT_THROW(command(SET_MYCALL), std::invalid_argument);
    EXPECT_THROW(textCommand(AUDIO_LEVEL, "1"), std::invalid_argument);
    EXPECT_THROW(command(static_cast<CommandCode>(0x03)), std::invalid_argument);
}

} // namespace
} // namespace orvane
