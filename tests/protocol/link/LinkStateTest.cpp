#include "protocol/link/LinkState.h"
#include "protocol/link/FakeConsole.h"
#include "protocol/link/SupervisionTimers.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::FakeConsoleSurface;
using testing::FakeSupervisionHooks;
using testing::ManualClock;

TEST(OperatingMode, BroadcastsFallBackToTheirModeAndShowItsName) {
    struct Case {
        OperatingMode mode;
        OperatingMode base;
        const char* name;
    };
    const Case cases[] = {
        {OperatingMode::Quoral, OperatingMode::Quoral, "QUORAL"},
        {OperatingMode::QuoralBroadcast, OperatingMode::Quoral, "QUORAL"},
        {OperatingMode::AmtorBroadcast, OperatingMode::Amtor, "AMTOR"},
        {OperatingMode::PModeUnproto, OperatingMode::PMode, "P-Mode"},
        {OperatingMode::Baudot, OperatingMode::Baudot, "Baudot"},
        {OperatingMode::Ascii, OperatingMode::Ascii, "ASCII"},
        {OperatingMode::Psk31, OperatingMode::Psk31, "PSK31"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(operatingModeValue(c.mode));
        EXPECT_EQ(baseMode(c.mode), c.base);
        EXPECT_EQ(isBroadcast(c.mode), c.base != c.mode);
        EXPECT_EQ(panelName(c.mode), c.name);
    }
}

TEST(OperatingMode, OnlyTheDefinedNumbersAreModes) {
    EXPECT_EQ(operatingModeFromValue(8), OperatingMode::PModeUnproto);
    EXPECT_EQ(operatingModeFromValue(10), OperatingMode::Psk31);
    EXPECT_FALSE(operatingModeFromValue(0));
    EXPECT_FALSE(operatingModeFromValue(9));
    EXPECT_FALSE(operatingModeFromValue(11));
}

TEST(LinkState, StandbyTextFollowsTheListenSetting) {
    LinkState link;
    link.listenMode = listenModeFromSetting("ON");
    EXPECT_EQ(link.standbyText(), "STBY-LISTEN");
    link.listenMode = listenModeFromSetting("on"); // the setting is compared exactly
    EXPECT_EQ(link.standbyText(), "STBY");
}

TEST(LinkState, EndOfALinkLeavesTheBroadcastItWasStartedFrom) {
    LinkState link;
    link.operatingMode = OperatingMode::PModeUnproto;
    link.savedOperatingMode = OperatingMode::PModeUnproto;
    link.returnToSavedMode();
    EXPECT_EQ(link.operatingMode, OperatingMode::PMode);
}

class SupervisionTimersTest : public ::testing::Test {
protected:
    ManualClock clock;
    LinkState link;
    FakeConsoleSurface surface;
    FakeSupervisionHooks hooks;
    SupervisionTimers timers{clock, link, surface, hooks};
};

TEST_F(SupervisionTimersTest, TimersAreNamedAndIdleAtStart) {
    struct Case {
        Timer& timer;
        const char* name;
        int interval;
    };
    const Case cases[] = {{timers.commandTimer(), "CommandTimer", 5000},
                          {timers.monitorTimer(), "MonitorTimer", 15000},
                          {timers.cqTimer(), "CQTimer", 5000},
                          {timers.resetTimer(), "ResetTimer", 6000}};
    for (const auto& c : cases) {
        auto& manual = dynamic_cast<ManualClock::ManualTimer&>(c.timer);
        EXPECT_EQ(manual.name(), c.name);
        EXPECT_EQ(manual.interval(), c.interval) << c.name;
        EXPECT_FALSE(manual.isActive()) << c.name;
    }
    EXPECT_EQ(dynamic_cast<ManualClock::ManualTimer&>(timers.waitTimer()).name(), "WaitTimer");
    EXPECT_FALSE(timers.waitTimer().isActive());
}

TEST_F(SupervisionTimersTest, CommandTimerExpiryShutsDownOnce) {
    timers.commandTimer().start();
    clock.advance(4999);
    EXPECT_EQ(hooks.shutdowns, 0);
    clock.advance(1);
    EXPECT_EQ(hooks.shutdowns, 1);
    EXPECT_FALSE(timers.commandTimer().isActive());
}

TEST_F(SupervisionTimersTest, MonitorTimerReturnsToStandbyOnceUnlessLinked) {
    link.listenMode = ListenMode::Listening;
    surface.setPanel(1, "ARQ Call to W1AW");
    timers.startMonitorTimer();
    clock.advance(15000);
    EXPECT_EQ(surface.panel(1), "STBY-LISTEN");
    EXPECT_FALSE(timers.monitorTimer().isActive());

    link.linkUp = true;
    surface.setPanel(1, "Linked to W1AW");
    timers.startMonitorTimer();
    clock.advance(15000);
    EXPECT_EQ(surface.panel(1), "Linked to W1AW");
}

TEST_F(SupervisionTimersTest, CqOfferEndsInQuoralOnly) {
    surface.setCaption(Control::QuoralCallCq, "Answer CQ");
    surface.setPanel(1, "CQ from W1AW");
    link.answerCqPending = true;

    link.operatingMode = OperatingMode::Amtor;
    timers.restartCqTimer();
    clock.advance(20000);
    EXPECT_TRUE(timers.cqTimer().isActive());
    EXPECT_TRUE(link.answerCqPending);
    EXPECT_EQ(surface.captions["butQORCallCQ"], "Answer CQ");
    EXPECT_EQ(surface.panel(1), "CQ from W1AW");

    link.operatingMode = OperatingMode::Quoral;
    clock.advance(5000);
    EXPECT_FALSE(timers.cqTimer().isActive());
    EXPECT_FALSE(link.answerCqPending);
    EXPECT_EQ(surface.captions["butQORCallCQ"], "Call CQ");
    EXPECT_EQ(surface.panel(1), "STBY");
}

TEST_F(SupervisionTimersTest, TransientPanelIsHiddenAfterItsIntervalWithDtrRaised) {
    surface.setCaption(Control::DisconnectPanel, "Link Failed!");
    surface.showCentredPanel(Control::OverBox);
    timers.startTransientPanel(Control::DisconnectPanel, 1300);
    EXPECT_TRUE(surface.isPanelVisible(Control::DisconnectPanel));
    EXPECT_EQ(timers.waitTimer().interval(), 1300);
    clock.advance(1299);
    EXPECT_TRUE(surface.isPanelVisible(Control::DisconnectPanel));
    clock.advance(1);
    EXPECT_TRUE(surface.visible.empty());
    EXPECT_EQ(surface.captions["DisconnectPanel"], "Disconnect");
    EXPECT_EQ(hooks.dtrRaised, 1);
    EXPECT_FALSE(timers.waitTimer().isActive());
}

TEST_F(SupervisionTimersTest, ResetTimerRecoversOnceAndHidesThePanel) {
    surface.showCentredPanel(Control::HardwareResetPanel);
    timers.startResetTimer();
    clock.advance(6000);
    EXPECT_EQ(hooks.recoveries, 1);
    EXPECT_FALSE(surface.isPanelVisible(Control::HardwareResetPanel));
    clock.advance(6000);
    EXPECT_EQ(hooks.recoveries, 1);
}

TEST_F(SupervisionTimersTest, NothingFiresAfterExit) {
    timers.commandTimer().start();
    timers.restartCqTimer();
    timers.startTransientPanel(Control::PanicPanel, 1300);
    timers.stopForExit();
    clock.advance(10000);
    EXPECT_EQ(hooks.shutdowns, 0);
    EXPECT_EQ(hooks.dtrRaised, 0);
}

} // namespace
} // namespace orvane
