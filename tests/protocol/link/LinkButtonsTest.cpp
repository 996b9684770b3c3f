#include "protocol/link/LinkButtons.h"
#include "controls/ControlNames.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

// The buttons as "name+" (enabled) and "name-" (disabled), in the order given.
std::string shown(const std::vector<ButtonState>& states) {
    std::string text;
    for (const ButtonState& state : states) {
        if (!text.empty()) text += ' ';
        text += std::string(objectName(state.control)) + (state.enabled ? '+' : '-');
    }
    return text;
}

struct Row {
    Toolbar toolbar;
    LinkSituation situation;
    const char* expected;
};

// What each situation shows, and what it leaves as it was: a button left out
// keeps what the situation before it showed.
const Row kRows[] = {
    {Toolbar::Amtor, LinkSituation::TorLinked,
     "butAmtorDisconnect+ butAmtorConnect- butAmtorPanic+ butAmtorFoxes+ butAmtorFEC- "
     "butAmtorOver+ butAmtorForcedOver+"},
    // Quoral has no OVER; its link takes Call CQ away.
    {Toolbar::Quoral, LinkSituation::QuoralLinked,
     "butQORDisconnect+ butQORConnect- butQORPanic+ butQORFoxes+ butQORFEC- butQORCallCQ-"},
    // A Quoral link met on another ARQ toolbar turns its OVER off, Forced OVER stays.
    {Toolbar::PMode, LinkSituation::QuoralLinked,
     "butPModeDisconnect+ butPModeConnect- butPModePanic+ butPModeFoxes+ butPModeFEC- "
     "butPModeOver- butPModeCallCQ-"},
    {Toolbar::Quoral, LinkSituation::Broadcasting,
     "butQORDisconnect+ butQORConnect- butQORPanic+ butQORFoxes+ butQORFEC-"},
    // The end of a link leaves the broadcast button and Foxes to the status that ended it.
    {Toolbar::Amtor, LinkSituation::LinkEnded,
     "butAmtorDisconnect- butAmtorConnect+ butAmtorPanic- butAmtorOver- butAmtorForcedOver-"},
    // A standby report leaves Panic as it was.
    {Toolbar::PMode, LinkSituation::StandbyReported,
     "butPModeDisconnect- butPModeConnect+ butPModeFEC+"},
    {Toolbar::Amtor, LinkSituation::BroadcastDropped,
     "butAmtorDisconnect- butAmtorConnect+ butAmtorPanic-"},
    // A CQ call can be ended by Panic only.
    {Toolbar::Quoral, LinkSituation::CallingCq,
     "butQORConnect- butQORPanic+ butQORFEC- butQORCallCQ-"},
    // A FAX transfer leaves Panic alone; its end brings back all but Disconnect and Foxes.
    {Toolbar::Quoral, LinkSituation::FaxBusy,
     "butQORDisconnect- butQORConnect- butQORPanic+ butQORFoxes- butQORFEC- butQORCallCQ- "
     "butQORTXEnable- butQORMsg0- butQORMsgPlus- butQORdeMY- butQORHisDeMY-"},
    {Toolbar::Quoral, LinkSituation::FaxReleased,
     "butQORConnect+ butQORPanic- butQORFEC+ butQORCallCQ+ butQORTXEnable+ butQORMsg0+ "
     "butQORMsgPlus+ butQORdeMY+ butQORHisDeMY+"},
};

TEST(LinkButtons, EachSituationShowsItsButtonsAndLeavesTheRest) {
    for (const Row& row : kRows) {
        EXPECT_EQ(shown(linkButtons(row.toolbar, row.situation)), row.expected)
            << objectName(toolbarControl(row.toolbar)) << " " << static_cast<int>(row.situation);
    }
}

} // namespace
} // namespace orvane
