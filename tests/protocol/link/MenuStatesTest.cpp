// What the menus show in each situation that matters: the mode, the link and
// the operator's file activities, reached by the events that lead there.
#include "protocol/link/MenuStates.h"
#include "controls/ControlNames.h"
#include "protocol/link/FakeConsole.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using E = MenuEvent;

// The enabled items as "name+" or "name-", then the checked Code item.
std::string shown(const MenuStates& states) {
    std::string text;
    for (const EnabledItem& item : states.enabled)
        text += std::string(objectName(item.item)) + (item.enabled ? "+ " : "- ");
    for (const ItemCheck& check : states.checks)
        if (check.checked) text += "checked " + std::string(objectName(check.item));
    return text;
}

struct Row {
    const char* situation;
    std::vector<MenuEvent> events;
    OperatingMode checked;
    const char* expected; // Save RX, Stop, statistics, text, binary, Configure, Code, Test Tones
};

// clang-format off
const Row kRows[] = {
    {"as built", {}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeQuoral"},
    {"Quoral standby", {E::QuoralSetUp}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile- mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeQuoral"},
    {"Quoral link", {E::QuoralSetUp, E::QuoralLinked}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile+ mnuConfigure+ mnuCode- mnuSpecialTest- checked mnuCodeQuoral"},
    // The Code menu follows the modem's last transmit or receive report, link or not.
    {"Quoral link, receiving", {E::QuoralSetUp, E::QuoralLinked, E::Transmitting, E::Receiving}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile+ mnuConfigure+ mnuCode+ mnuSpecialTest- checked mnuCodeQuoral"},
    {"Quoral link ended", {E::QuoralSetUp, E::QuoralLinked, E::LinkEnded}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile- mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeQuoral"},
    {"AMTOR link", {E::AmtorSetUp, E::TorLinked}, OperatingMode::Amtor,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode- mnuSpecialTest- checked mnuCodeAmtor"},
    {"AMTOR broadcast", {E::AmtorSetUp, E::FecBroadcastStarted}, OperatingMode::AmtorBroadcast,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeAmtor"},
    {"AMTOR broadcast ended", {E::AmtorSetUp, E::FecBroadcastStarted, E::BroadcastEnded}, OperatingMode::Amtor,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile- mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeAmtor"},
    {"Quoral broadcast", {E::QuoralSetUp, E::QuoralBroadcastStarted}, OperatingMode::QuoralBroadcast,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest- checked mnuCodeQuoral"},
    {"PSK31", {E::Psk31SetUp}, OperatingMode::Psk31,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest- checked mnuCodePSK31"},
    {"Baudot, saving RX and sending a text file", {E::BaudotSetUp, E::ReceiveSaveStarted, E::TextSendStarted}, OperatingMode::Baudot,
     "mnuFilesSaveRX- mnuFilesStopSaveSend+ mnuFilesSaveStatistics+ mnuFilesSendtextfile- mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeBaudot"},
    // The end of a text send takes Stop away, though the save still runs.
    {"Baudot, the text file sent", {E::BaudotSetUp, E::ReceiveSaveStarted, E::TextSendStarted, textSendEnded(OperatingMode::Baudot)}, OperatingMode::Baudot,
     "mnuFilesSaveRX- mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeBaudot"},
    {"a failed write leaves Stop", {E::ReceiveSaveStarted, E::ReceiveSaveEnded}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend+ mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeQuoral"},
    // Stop offers the text send even in an ARQ standby, the binary send in Quoral only.
    {"P-Mode, statistics stopped", {E::PModeSetUp, E::StatisticsStarted, filesStopped(OperatingMode::PMode)}, OperatingMode::PMode,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile- mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodePMode"},
    {"Quoral, saving RX stopped", {E::QuoralSetUp, E::ReceiveSaveStarted, filesStopped(OperatingMode::Quoral)}, OperatingMode::Quoral,
     "mnuFilesSaveRX+ mnuFilesStopSaveSend- mnuFilesSaveStatistics+ mnuFilesSendtextfile+ mnuFilesSendBinaryFile+ mnuConfigure+ mnuCode+ mnuSpecialTest+ checked mnuCodeQuoral"},
};
// clang-format on

TEST(MenuStates, EachSituationShowsItsMenus) {
    for (const Row& row : kRows) {
        MenuInputs inputs;
        for (const MenuEvent event : row.events)
            inputs = after(inputs, event);
        inputs.checkedMode = row.checked;
        EXPECT_EQ(shown(menuStates(inputs)), row.expected) << row.situation;
    }
}

// A Code item toggles itself when clicked; the menus set every item again.
TEST(ConsoleMenus, ShowsEveryItemAfterEachChange) {
    testing::FakeConsoleSurface surface;
    surface.menus().note(MenuEvent::AmtorSetUp);
    surface.checked["mnuCodeBaudot"] = true;
    surface.menus().checkMode(OperatingMode::AmtorBroadcast);
    EXPECT_TRUE(surface.checked["mnuCodeAmtor"]);
    EXPECT_FALSE(surface.checked["mnuCodeBaudot"]);
    EXPECT_FALSE(surface.enabled["mnuFilesSendtextfile"]);
    EXPECT_EQ(surface.enabled.size(), 8u);
}

} // namespace
} // namespace orvane
