#include "operations/tones/TestTones.h"
#include "operations/tones/ToneTestView.h"
#include "protocol/PacedCommands.h"
#include "protocol/link/LinkState.h"
#include "sequence/SequenceRunner.h"
#include "serial/RoutingSwitch.h"
#include "support/HexText.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Each command as it reaches the modem, with the time it went: "80 05 at 100".
class RecordingLine final : public SequenceLine {
public:
    explicit RecordingLine(const ManualClock& clock) : clock_(clock) {}
    void write(const ModemCommand& command) override {
        log.push_back(toHex(command.bytes()) + " at " + std::to_string(clock_.tickMs()));
    }
    void holdRouting(bool) override {}
    std::vector<std::string> log;

private:
    const ManualClock& clock_;
};

using Log = std::vector<std::string>;

struct TestTonesTest : ::testing::Test {
    LinkState link;
    ManualClock clock;
    RecordingLine line{clock};
    SequenceRunner runner{clock};
    FakeRouting routing;
    FakeView view;
    TestTones tones{link, line, runner, routing, view};
};

TEST_F(TestTonesTest, EachEntrySendsItsModesCommand) {
    struct Row {
        OperatingMode mode;
        int position;
        const char* bytes;
    };
    for (const Row& row :
         {Row{OperatingMode::Quoral, 0, "80 05"}, Row{OperatingMode::Quoral, 1, "80 0B"},
          Row{OperatingMode::Quoral, 2, "80 04"}, Row{OperatingMode::Quoral, 3, "80 05"},
          Row{OperatingMode::Amtor, 1, "80 8B"}, Row{OperatingMode::Amtor, 2, "80 8C"},
          Row{OperatingMode::Baudot, 3, "80 8D"}, Row{OperatingMode::PMode, 1, "80 8B"},
          Row{OperatingMode::QuoralBroadcast, 2, "80 8C"}, Row{OperatingMode::Ascii, -1, "80 05"},
          Row{OperatingMode::Ascii, 4, "80 05"}}) {
        line.log.clear();
        link.operatingMode = row.mode;
        tones.chooseTone(row.position);
        clock.advance(1000);
        ASSERT_EQ(line.log.size(), 1u);
        EXPECT_EQ(line.log[0].substr(0, line.log[0].find(" at ")), hexOf(row.bytes))
            << static_cast<int>(row.mode) << " position " << row.position;
    }
}

TEST_F(TestTonesTest, ThePanelHoldsRoutingUntilCancelAndSettlesAfterEachSwitch) {
    link.operatingMode = OperatingMode::Amtor;
    tones.mnuSpecialTestClick();
    EXPECT_TRUE(view.shown);
    EXPECT_FALSE(routing.routing);

    tones.chooseTone(3);
    tones.chooseTone(0); // "Test OFF" stops the tones but keeps the panel and the hold
    clock.advance(1000);
    // Settled once after the hold, then each command followed by its spacing.
    EXPECT_EQ(line.log, (Log{"80 8D at 100", "80 05 at 150"}));
    EXPECT_FALSE(routing.routing);

    tones.butTestCancelClick();
    EXPECT_FALSE(view.shown);
    EXPECT_TRUE(routing.routing);
    clock.advance(1000);
    EXPECT_EQ(line.log, (Log{"80 8D at 100", "80 05 at 150", "80 05 at 1100"}));
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
    clock.advance(1000);
    EXPECT_EQ(routing.resumed, 0);
    EXPECT_EQ(line.log, (Log{"80 05 at 0"}));
}

TEST_F(TestTonesTest, AnOperatorActionArrivingMidwayGoesOutAfterTheWholeToneChange) {
    link.operatingMode = OperatingMode::Amtor;
    tones.chooseTone(1);
    clock.advance(50); // the routing is settling
    runner.start(
        "call",
        [this]() -> Task<> {
            line.write(ModemCommand({0x80, 0x13, 0x80, 0x00}, SendKind::Command));
            co_return;
        },
        SequenceRunner::Kind::HeldCommand);
    clock.advance(1000);
    EXPECT_EQ(line.log, (Log{"80 8B at 100", "80 13 80 00 at 150"}));
}

} // namespace
} // namespace orvane::testing
