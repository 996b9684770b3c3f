// FAX reports as the modem sends them, read by the in-band parser and shown.
#include "transfer/FaxRig.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

TEST(FaxProgressSteps, ThreeAtATimeWhileFarBehindThenOneByOne) {
    EXPECT_EQ(FaxProgressSteps(0, 20),
              (std::vector<std::uint32_t>{2, 5, 8, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(FaxProgressSteps(0, 5), (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(FaxProgressSteps(9, 4).empty());
    // Figures from the air as large as they come: the gauge jumps, then
    // counts the last steps as usual and ends at what is done.
    const auto far = FaxProgressSteps(0, 0xFFFFFFFF);
    EXPECT_LE(far.size(), kMostFaxProgressSteps + 10);
    EXPECT_EQ(far.back(), 0xFFFFFFFFu);
    EXPECT_EQ(far[far.size() - 2], 0xFFFFFFFEu);
}

TEST(FaxTransferDisplay, StartDirectionProgressSuccessAndClear) {
    FaxRig rig;
    rig.receive({0x01, 0x0C, 0x90});
    EXPECT_TRUE(rig.panel.visible);
    EXPECT_TRUE(rig.panel.busy);
    EXPECT_TRUE(rig.panel.linkUp);
    EXPECT_EQ(rig.panel.statusText, "Starting FAX Transfer");

    rig.receive({0x01, 0x0C, 0x91, 'A', 'B', '1', 'C', 'D', 0x02});
    EXPECT_EQ(rig.panel.titleText, "Sending FAX to Station: AB1CD");
    EXPECT_EQ(rig.panel.linkStatus, "Linked to AB1CD");
    EXPECT_EQ(rig.panel.statusText, "Sending FAX");

    rig.receive({0x01, 0x0C, 0x93, 0, 0, 0, 5, 0x08, 0, 0, 0, 5, 0x02});
    EXPECT_EQ(rig.panel.total, "5");
    EXPECT_EQ(rig.panel.counts, (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(rig.panel.statusText, "Waiting for Remote FAX machine");

    rig.receive({0x01, 0x0C, 0x94});
    EXPECT_EQ(rig.panel.statusText, "Transfer Success!");
    EXPECT_EQ(rig.panel.linkStatus, "");

    rig.receive({0x01, 0x0C, 0x99});
    rig.clock.advance(999);
    EXPECT_TRUE(rig.panel.visible);
    rig.clock.advance(1);
    EXPECT_FALSE(rig.panel.visible);
    EXPECT_FALSE(rig.panel.busy);
    EXPECT_FALSE(rig.panel.linkUp);
    EXPECT_EQ(rig.panel.quoralSetups, 2);
    EXPECT_EQ(rig.panel.quoralSelected, 1);
    EXPECT_TRUE(rig.text.empty());
}

TEST(FaxTransferDisplay, PanicMarkAndMalformedReports) {
    FaxRig rig;
    rig.receive({0x01, 0x0C, 0x90, 0x01, 0x0C, 0x92, 'K', '1', 0x02});
    EXPECT_EQ(rig.panel.titleText, "Receiving FAX from Station: K1");
    EXPECT_FALSE(rig.panel.sending);

    // A total of 1 changes nothing; a wrong separator ends the reading there.
    rig.receive({0x01, 0x0C, 0x93, 0, 0, 0, 1, 0x08, 0, 0, 0, 1, 0x02});
    rig.receive({0x01, 0x0C, 0x93, 0, 0, 0, 9, 'x', 'y', 'z'});
    EXPECT_TRUE(rig.panel.counts.empty());
    EXPECT_EQ(rig.text, "yz");

    rig.display.panicPressed();
    rig.receive({0x01, 0x0C, 0x95, 0x01, 0x0C, 0x93, 0, 0, 0, 9, 0x08, 0, 0, 0, 20, 0x02});
    EXPECT_EQ(rig.panel.statusText, "FAX Transfer Aborted - Please Wait...");
    EXPECT_TRUE(rig.panel.counts.empty());
}

} // namespace
} // namespace orvane::testing
