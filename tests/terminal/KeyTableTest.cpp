#include "terminal/keys/KeyTable.h"
#include "terminal/keys/TimeStamps.h"

#include <QKeySequence>
#include <QString>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <regex>

namespace orvane {
namespace {

using M = OperatingMode;
constexpr auto kAlt = Qt::AltModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kNone{};

struct KeyRow {
    Qt::KeyboardModifiers modifiers;
    int key;
    KeyContext context;
    bool consumed;
    std::optional<KeyAction> action;
};

class KeyTable : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyTable, DecidesWhetherTheKeyActsAndWhetherTheControlSeesIt) {
    const KeyRow& row = GetParam();
    const KeyDecision decision = decideKey(row.key, row.modifiers, row.context);
    EXPECT_EQ(decision.consumed, row.consumed);
    EXPECT_EQ(decision.action, row.action);
}

const KeyContext quoral{M::Quoral, false, false};
const KeyContext quoralLinked{M::Quoral, true, false};
const KeyContext amtor{M::Amtor, false, false};
const KeyContext pmode{M::PMode, false, false};
const KeyContext baudot{M::Baudot, false, false};
const KeyContext asciiSending{M::Ascii, false, true};
const KeyContext fec{M::AmtorBroadcast, false, false};
const KeyContext psk{M::Psk31, false, false};

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyTable,
    ::testing::Values(
        // Help keys act but go on; menu accelerators and unlisted keys go on untouched.
        KeyRow{kAlt, Qt::Key_H, quoral, false, KeyAction::HelpRequest},
        KeyRow{kCtrl, Qt::Key_F1, quoral, false, KeyAction::HelpRequest},
        KeyRow{kAlt, Qt::Key_F, quoral, false, std::nullopt},
        KeyRow{kAlt, Qt::Key_L, quoral, false, std::nullopt},
        KeyRow{kCtrl, Qt::Key_C, quoral, false, std::nullopt},
        KeyRow{kNone, Qt::Key_A, quoral, false, std::nullopt},
        // Alt+F4 never closes the window.
        KeyRow{kAlt, Qt::Key_F4, quoral, true, KeyAction::CwIdNow},
        // Alt wins over Ctrl; Shift alone is the plain table.
        KeyRow{kAlt | kCtrl, Qt::Key_T, quoral, true, KeyAction::InsertTime},
        KeyRow{kShift, Qt::Key_F4, quoral, true, KeyAction::InsertOwnCall},
        // A refused key is still consumed.
        KeyRow{kAlt, Qt::Key_M, quoralLinked, true, std::nullopt},
        KeyRow{kAlt, Qt::Key_M, fec, true, std::nullopt},
        KeyRow{kAlt, Qt::Key_M, quoral, true, KeyAction::OwnCallPanel},
        KeyRow{kAlt, Qt::Key_F5, amtor, true, std::nullopt},
        KeyRow{kAlt, Qt::Key_F5, psk, true, KeyAction::HereIsMessages},
        KeyRow{kAlt, Qt::Key_R, asciiSending, true, std::nullopt},
        KeyRow{kAlt, Qt::Key_R, baudot, true, KeyAction::RateStep},
        KeyRow{kAlt, Qt::Key_P, pmode, true, std::nullopt},
        KeyRow{kAlt, Qt::Key_P, psk, true, KeyAction::PrintSquelch},
        // One key, several rows: the mode picks.
        KeyRow{kAlt, Qt::Key_Y, baudot, true, KeyAction::InsertLettersShifts},
        KeyRow{kAlt, Qt::Key_Y, pmode, true, KeyAction::HuffmanToggle},
        KeyRow{kAlt, Qt::Key_Y, quoral, true, std::nullopt},
        KeyRow{kCtrl, Qt::Key_F11, quoral, true, KeyAction::AudioChannelPanel},
        KeyRow{kCtrl, Qt::Key_F11, pmode, true, KeyAction::PModeTonesPanel},
        KeyRow{kCtrl, Qt::Key_F11, psk, true, KeyAction::FskTonesPanel},
        KeyRow{kNone, Qt::Key_F6, amtor, true, KeyAction::Over},
        KeyRow{kNone, Qt::Key_F6, baudot, true, KeyAction::PolarityToggle},
        KeyRow{kNone, Qt::Key_F6, quoral, true, std::nullopt},
        KeyRow{kNone, Qt::Key_F9, quoralLinked, true, std::nullopt},
        KeyRow{kNone, Qt::Key_F9, KeyContext{M::Ascii, true, false}, true, KeyAction::CallDialog},
        KeyRow{kAlt, Qt::Key_E, quoral, true, KeyAction::SaveRx},
        KeyRow{kAlt, Qt::Key_J, quoral, true, KeyAction::StopDiskSaveSend}));

TEST(TimeStamps, AreTheFourOperatorTexts) {
    using namespace std::chrono;
    const auto at = sys_days{1999y / December / 7} + 14h + 5min + 59s;
    EXPECT_EQ(timeStampText(TimeStamp::Date, at), "07-Dec-99 ");
    EXPECT_EQ(timeStampText(TimeStamp::TimeAndDate, at), "1405 UTC 07-Dec-99 ");
    EXPECT_EQ(timeStampText(TimeStamp::Time, at), "1405 UTC ");
    EXPECT_EQ(timeStampText(TimeStamp::DateTimeGroup, at), "071405Z Dec 99 ");
    EXPECT_EQ(timeStampText(TimeStamp::Date, sys_days{2026y / January / 3}), "03-Jan-26 ");
}

// Every key the shipped key list names does what it says: the listed keys are
// consumed by the table, the menu keys reach the menu.
TEST(ShippedKeyList, AgreesWithTheKeyTable) {
    std::ifstream in(ORVANE_HOTKEYS_FILE);
    ASSERT_TRUE(in) << ORVANE_HOTKEYS_FILE;
    const std::regex keyName(R"(((?:Alt|Ctrl)\+(?:F\d+|[A-Z])|\bF\d+\b))");
    std::string line;
    int keys = 0;
    while (std::getline(in, line)) {
        const bool menuLine = line.rfind("Menus:", 0) == 0 || line.rfind("Alt+C Code", 0) == 0;
        for (std::sregex_iterator it(line.begin(), line.end(), keyName), end; it != end; ++it) {
            const QKeySequence sequence(QString::fromStdString(it->str()));
            const int combined = sequence[0].toCombined();
            const auto modifiers = Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask);
            const int key = combined & ~Qt::KeyboardModifierMask;
            const KeyDecision decision = decideKey(key, modifiers, quoral);
            EXPECT_EQ(decision.consumed, !menuLine) << it->str();
            ++keys;
        }
    }
    EXPECT_GT(keys, 10);
}

} // namespace
} // namespace orvane
