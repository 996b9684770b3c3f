#include "terminal/keys/KeyTable.h"
#include "terminal/keys/TimeStamps.h"

#include <QKeySequence>
#include <QString>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <regex>
#include <set>

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
    // Alt+Z in the last minute of 1999, Alt+A in the first of 2000.
    const auto lastMinute = sys_days{1999y / December / 31} + 23h + 59min;
    EXPECT_EQ(timeStampText(TimeStamp::DateTimeGroup, lastMinute), "312359Z Dec 99 ");
    EXPECT_EQ(timeStampText(TimeStamp::Date, lastMinute + 1min), "01-Jan-00 ");
}

// The key list shipped for "Hot &Keys" names exactly the keys of the table,
// each under the modifier that selects its table; the menu line names keys
// that the table leaves to the menus.
TEST(ShippedKeyList, NamesEveryKeyOfTheTableAndNoOther) {
    std::ifstream in(ORVANE_HOTKEYS_FILE);
    ASSERT_TRUE(in) << ORVANE_HOTKEYS_FILE;
    const std::regex entry(R"(^  (\S+(?:, \S+)*)  )");
    const std::regex keyName(R"((?:Alt|Ctrl)\+(?:F\d+|[A-Z])|F\d+)");
    using Named = std::pair<KeyTableName, int>;
    std::set<Named> listed, menus;
    std::string line;
    auto parse = [](const std::string& name) {
        const int combined = QKeySequence(QString::fromStdString(name))[0].toCombined();
        return Named{keyTableFor(Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask)),
                     combined & ~Qt::KeyboardModifierMask};
    };
    bool inMenus = false;
    while (std::getline(in, line)) {
        inMenus = inMenus || line.rfind("Menus:", 0) == 0;
        std::smatch keys;
        const bool isEntry = std::regex_search(line, keys, entry);
        const std::string field = inMenus ? line : isEntry ? keys[1].str() : std::string();
        for (std::sregex_iterator it(field.begin(), field.end(), keyName), end; it != end; ++it)
            (inMenus ? menus : listed).insert(parse(it->str()));
    }
    std::set<Named> table;
    for (const KeyBinding& binding : keyBindings())
        table.insert({binding.table, binding.key});
    EXPECT_EQ(listed, table);
    for (const Named& menu : menus) {
        const KeyDecision decision = decideKey(menu.second, Qt::AltModifier, quoral);
        EXPECT_FALSE(decision.consumed) << menu.second;
    }
    EXPECT_EQ(menus.size(), 8u);
}

} // namespace
} // namespace orvane
