// FAX reports as the modem sends them, read by the in-band parser and shown.
#include "support/ManualClock.h"
#include "transfer/InBandParser.h"
#include "transfer/fax/FaxPanelView.h"
#include "transfer/fax/FaxTransferDisplay.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

struct Panel final : FaxPanelView, FaxConsole {
    bool visible = false, busy = false, linkUp = false, sending = true;
    std::string titleText, statusText, total, count, linkStatus;
    std::uint32_t max = 100, position = 0;
    std::vector<std::string> counts;
    int quoralSetups = 0, quoralSelected = 0;

    void centrePanel() override {}
    void showPanel() override { visible = true; }
    void hidePanel() override { visible = false; }
    bool panelVisible() const override { return visible; }
    std::string title() const override { return titleText; }
    void setTitle(const std::string& t) override { titleText = t; }
    std::string status() const override { return statusText; }
    void setStatus(const std::string& t) override { statusText = t; }
    void setRate(const std::string&) override {}
    void setTotal(const std::string& t) override { total = t; }
    void setCount(const std::string& t) override {
        count = t;
        if (!t.empty()) counts.push_back(t);
    }
    void showDirection(bool s) override { sending = s; }
    std::uint32_t gaugeMax() const override { return max; }
    void setGaugeMax(std::uint32_t m) override { max = m; }
    std::uint32_t gaugePosition() const override { return position; }
    void setGauge(std::uint32_t p) override { position = p; }
    void setLinkStatus(const std::string& t) override { linkStatus = t; }
    void applyBusySet() override { busy = true; }
    void releaseBusySet() override { busy = false; }
    void setLinkUp(bool up) override { linkUp = up; }
    void runQuoralSetup() override { ++quoralSetups; }
    void selectQuoral() override {
        ++quoralSelected;
        ++quoralSetups;
    }
};

// Routes a received stream into the parser; the display gets the FAX reports.
struct FaxRig final : InBandEvents {
    ManualClock clock;
    Panel panel;
    FaxTransferDisplay display{panel, panel, clock};
    InBandParser parser{*this};
    std::string text;

    bool transferCodesEnabled() const override { return false; }
    bool awaitingReady() const override { return false; }
    void headerReceived(const FileHeader&) override {}
    void headerOverlong() override {}
    void readyReceived(const std::string&) override {}
    void codeReceived(std::uint8_t) override {}
    void faxReceived(const FaxReport& report) override { display.faxReport(report); }

    void receive(std::initializer_list<std::int32_t> items) {
        for (auto item : items) {
            if (parser.active()) parser.feed(item);
            else if (item == 0x01) parser.begin();
            else text.push_back(static_cast<char>(item));
        }
    }
};

TEST(FaxProgressSteps, ThreeAtATimeWhileFarBehindThenOneByOne) {
    EXPECT_EQ(FaxProgressSteps(0, 20),
              (std::vector<std::uint32_t>{2, 5, 8, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
    EXPECT_EQ(FaxProgressSteps(0, 5), (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(FaxProgressSteps(9, 4).empty());
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
