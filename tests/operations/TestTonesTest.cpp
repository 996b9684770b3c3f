#include "RecordingSender.h"

#include "operations/tones/TestTones.h"
#include "operations/tones/ToneTestView.h"
#include "protocol/link/LinkState.h"
#include "serial/RoutingSwitch.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

class FakeRouting final : public RoutingSwitch {
public:
    bool isRouting() const override { return routing; }
    void requestSuspend() override { routing = false; }
    void resume() override {
        routing = true;
        ++resumed;
    }
    bool routing = true;
    int resumed = 0;
};

class FakeView final : public ToneTestView {
public:
    void open() override { shown = true; }
    void close() override { shown = false; }
    bool shown = false;
};

struct TestTonesTest : ::testing::Test {
    LinkState link;
    RecordingSender sender;
    ManualClock clock;
    FakeRouting routing;
    FakeView view;
    TestTones tones{link, sender, clock, routing, view};
};

TEST_F(TestTonesTest, EachEntrySendsItsModesCommand) {
    struct Row {
        OperatingMode mode;
        int position;
        const char* bytes;
    };
    for (const Row& row : {Row{OperatingMode::Quoral, 0, "80 05"}, Row{OperatingMode::Quoral, 1, "80 0B"},
                           Row{OperatingMode::Quoral, 2, "80 04"}, Row{OperatingMode::Quoral, 3, "80 05"},
                           Row{OperatingMode::Amtor, 1, "80 8B"}, Row{OperatingMode::Amtor, 2, "80 8C"},
                           Row{OperatingMode::Baudot, 3, "80 8D"}, Row{OperatingMode::PMode, 1, "80 8B"},
                           Row{OperatingMode::QuoralBroadcast, 2, "80 8C"},
                           Row{OperatingMode::Ascii, -1, "80 05"}, Row{OperatingMode::Ascii, 4, "80 05"}}) {
        sender.bytes.clear();
        link.operatingMode = row.mode;
        tones.ToneBoxChange(row.position);
        EXPECT_EQ(sender.hex(), hexOf(row.bytes))
            << static_cast<int>(row.mode) << " position " << row.position;
    }
}

TEST_F(TestTonesTest, ThePanelHoldsRoutingUntilCancelAndSettlesAfterEachSwitch) {
    link.operatingMode = OperatingMode::Amtor;
    tones.mnuSpecialTestClick();
    EXPECT_TRUE(view.shown);
    EXPECT_FALSE(routing.routing);
    EXPECT_EQ(clock.tickMs(), 100);

    tones.ToneBoxChange(3);
    tones.ToneBoxChange(0); // "Test OFF" stops the tones but keeps the panel and the hold
    EXPECT_EQ(sender.hex(), hexOf("80 8D 80 05"));
    EXPECT_FALSE(routing.routing);
    EXPECT_EQ(clock.tickMs(), 100); // already held: no second settling

    tones.butTestCancelClick();
    EXPECT_TRUE(routing.routing);
    EXPECT_EQ(clock.tickMs(), 200);
    EXPECT_EQ(sender.hex(), hexOf("80 8D 80 05 80 05"));
    EXPECT_FALSE(view.shown);
}

TEST_F(TestTonesTest, NothingWhileLinkedAndCancelResumesOnlyItsOwnHold) {
    link.linkUp = true;
    tones.mnuSpecialTestClick();
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(routing.routing);

    link.linkUp = false;
    routing.routing = false; // held by someone else (the start-up, a download)
    tones.mnuSpecialTestClick();
    tones.butTestCancelClick();
    EXPECT_EQ(routing.resumed, 0);
    EXPECT_EQ(sender.hex(), hexOf("80 05"));
}

} // namespace
} // namespace orvane::testing
