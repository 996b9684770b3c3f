// Statuses over time: follow-on bytes that come late or never, and the
// supervision timers that run while and after a status is handled.
#include "protocol/status/StatusHarness.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::Path;
using testing::ProcessEnded;
using testing::StatusHarness;
using testing::ThrowingProcessExit;

constexpr std::uint8_t LINKED = 0x20, FEC_CCB_FROM = 0x21, LINK_FAILED = 0x24, CQ_FROM = 0x26,
                       ARQ_CALL_TO = 0x28, AMTOR_625_LINK = 0x2A, PMODE_LINK = 0x2B,
                       SELFEC_TO = 0x2C, HW_RESET = 0x09;

void feedText(StatusHarness& h, const std::string& s, int terminator = 0x00) {
    for (const char c : s)
        h.queue.enqueue(static_cast<unsigned char>(c));
    h.queue.enqueue(terminator);
}

class BothPaths : public ::testing::TestWithParam<Path> {};

// The console goes on while the modem is still sending: the status waits
// without holding anything up and completes when its bytes come.
TEST_P(BothPaths, LateCallTextIsAwaitedWithTheConsoleAlive) {
    StatusHarness h;
    h.timers.startTransientPanel(Control::PanicPanel, 100);
    h.feed({'W'});
    h.dispatch(GetParam(), LINKED);
    EXPECT_TRUE(h.waiting());
    h.clock.advance(300);
    EXPECT_FALSE(h.surface.isPanelVisible(Control::PanicPanel)); // a timer ran meanwhile
    EXPECT_TRUE(h.surface.panels.empty());
    h.feed({'1', 'A', 'W', 0x00, 0x41});
    EXPECT_FALSE(h.waiting());
    EXPECT_EQ(h.surface.panel(1), "Linked to W1AW");
    EXPECT_EQ(h.queue.count(), 1); // the next item is not the status's
    // Only the in-band reader clears line errors while it waits.
    EXPECT_EQ(h.session.lineErrorClears > 0, GetParam() == Path::InBand);
}

TEST_P(BothPaths, PairTextWaitsForWholePairs) {
    StatusHarness h;
    h.feed({0x20, 0x41, 0x20});
    h.dispatch(GetParam(), SELFEC_TO);
    EXPECT_TRUE(h.surface.panels.empty());
    h.feed({0x42, 0x20, 0x00});
    EXPECT_EQ(h.surface.panel(1), "SELFEC to AB");
}

// Routing stopped: nothing more comes, and what was read shows nothing.
TEST_P(BothPaths, StatusWhoseBytesStopComingShowsNothing) {
    StatusHarness h;
    h.timers.startMonitorTimer();
    h.feed({'W', '1'});
    h.dispatch(GetParam(), LINKED);
    h.clock.advance(60000);
    EXPECT_EQ(h.queue.count(), 0); // what was read is gone
    EXPECT_TRUE(h.surface.panels.empty());
    EXPECT_TRUE(h.surface.enabled.empty());
    EXPECT_FALSE(h.link.linkUp);
    EXPECT_EQ(h.sound.beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Status, BothPaths, ::testing::Values(Path::Main, Path::InBand),
                         [](const ::testing::TestParamInfo<Path>& param) {
                             return param.param == Path::Main ? "Main" : "InBand";
                         });

TEST(StatusTiming, LinkCallTextThatNeverEndsShutsTheConsoleDownAfter5s) {
    StatusHarness h;
    ThrowingProcessExit exit;
    h.hooks.onShutdown = [&exit] { exit.exitNow(0); };
    h.feed({'W', '1', 'A', 'W'}); // and no terminator, ever
    h.dispatch(Path::Main, PMODE_LINK);
    h.clock.advance(4999);
    EXPECT_EQ(h.hooks.shutdowns, 0);
    EXPECT_THROW(h.clock.advance(1), ProcessEnded);
    EXPECT_EQ(h.hooks.shutdowns, 1);
    EXPECT_TRUE(h.surface.panels.empty());
}

TEST(StatusTiming, LinkCallTextCompletingInTimeDisarmsTheWatchdog) {
    StatusHarness h;
    h.dispatch(Path::Main, AMTOR_625_LINK);
    h.clock.advance(4900);
    h.feed({'D', 'L', '0', 0x00});
    h.clock.advance(10000);
    EXPECT_EQ(h.hooks.shutdowns, 0);
    EXPECT_EQ(h.surface.panel(1), "625 link to DL0");
}

TEST(StatusTiming, InBandLinkCallTextHasNoWatchdog) {
    StatusHarness h;
    h.feed({'W'});
    h.dispatch(Path::InBand, PMODE_LINK);
    h.clock.advance(20000);
    EXPECT_EQ(h.hooks.shutdowns, 0);
}

TEST(StatusTiming, SecondCqHeardGivesAFullFiveSecondsFromIt) {
    StatusHarness h;
    feedText(h, "W1AW");
    h.dispatch(Path::Main, CQ_FROM);
    h.clock.advance(3000);
    feedText(h, "W1AW");
    h.dispatch(Path::Main, CQ_FROM);
    h.clock.advance(4999);
    EXPECT_TRUE(h.link.answerCqPending);
    EXPECT_EQ(h.surface.captions["butQORCallCQ"], "Answer CQ");
    h.clock.advance(1);
    EXPECT_FALSE(h.link.answerCqPending);
    EXPECT_EQ(h.surface.captions["butQORCallCQ"], "Call CQ");
    EXPECT_EQ(h.surface.panel(1), "STBY");
}

TEST(StatusTiming, CqHeardInAmtorStaysOnOffer) {
    StatusHarness h;
    h.link.operatingMode = OperatingMode::Amtor;
    feedText(h, "W1AW");
    h.dispatch(Path::Main, CQ_FROM);
    h.clock.advance(12000); // CQTimer has fired twice and runs on
    EXPECT_TRUE(h.timers.cqTimer().isActive());
    EXPECT_TRUE(h.link.answerCqPending);
    EXPECT_EQ(h.surface.captions["butQORCallCQ"], "Answer CQ");
    EXPECT_EQ(h.surface.panel(1), "CQ from W1AW");
}

TEST(StatusTiming, AnnouncementReturnsToStandbyAfter15s) {
    for (const auto listen : {ListenMode::Standby, ListenMode::Listening}) {
        StatusHarness h;
        h.link.listenMode = listen;
        feedText(h, "W1AW");
        h.dispatch(Path::Main, FEC_CCB_FROM);
        h.clock.advance(14999);
        EXPECT_EQ(h.surface.panel(1), "FEC CCB from W1AW");
        h.clock.advance(1);
        EXPECT_EQ(h.surface.panel(1), h.link.standbyText());
    }
}

// A link that follows an announcement keeps its text when the announcement's
// timer runs out.
TEST(StatusTiming, LinkTextOutlivesTheAnnouncementBeforeIt) {
    StatusHarness h;
    feedText(h, "W1AW");
    h.dispatch(Path::Main, ARQ_CALL_TO);
    feedText(h, "W1AW");
    h.dispatch(Path::Main, PMODE_LINK);
    h.clock.advance(20000);
    EXPECT_EQ(h.surface.panel(1), "Linked to W1AW");

    StatusHarness q;
    feedText(q, "W1AW");
    q.dispatch(Path::Main, CQ_FROM);
    feedText(q, "W1AW");
    q.dispatch(Path::Main, LINKED);
    q.clock.advance(20000);
    EXPECT_EQ(q.surface.panel(1), "Linked to W1AW");
    EXPECT_FALSE(q.link.answerCqPending);
}

TEST(StatusTiming, LinkFailedPanelGoesAfter1500ms) {
    StatusHarness h;
    h.feed({0x00});
    h.dispatch(Path::Main, LINK_FAILED);
    h.clock.advance(1499);
    EXPECT_TRUE(h.surface.isPanelVisible(Control::DisconnectPanel));
    h.clock.advance(1);
    EXPECT_FALSE(h.surface.isPanelVisible(Control::DisconnectPanel));
    EXPECT_EQ(h.surface.captions["DisconnectPanel"], "Disconnect");
    EXPECT_EQ(h.hooks.dtrRaised, 1);
}

TEST(StatusTiming, HardwareResetRecoversAfter6s) {
    StatusHarness h;
    h.dispatch(Path::Main, HW_RESET);
    h.dispatch(Path::Main, HW_RESET); // a repeat while the panel shows changes nothing
    h.clock.advance(5999);
    EXPECT_EQ(h.hooks.recoveries, 0);
    h.clock.advance(1);
    EXPECT_EQ(h.hooks.recoveries, 1);
    EXPECT_FALSE(h.surface.isPanelVisible(Control::HardwareResetPanel));
}

} // namespace
} // namespace orvane
