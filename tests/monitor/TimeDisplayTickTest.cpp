#include "monitor/TimeDisplayTick.h"

#include "support/ManualClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace orvane {
namespace {

using namespace std::chrono;
using Log = std::vector<std::string>;

class FakeStatusBar final : public StatusBarView {
public:
    explicit FakeStatusBar(Log& log) : log_(log) {}
    void setPanel(int index, const std::string& text) override {
        panels[index] = text;
        log_.push_back("panel " + std::to_string(index));
    }
    std::string panelText(int index) const override { return panels.at(index); }
    int receiveLineCount() const override { return rxLines; }
    int transmitLineCount() const override { return txLines; }

    std::map<int, std::string> panels;
    int rxLines = 0;
    int txLines = 0;

private:
    Log& log_;
};

class FakeTransfers final : public TransferProgress {
public:
    explicit FakeTransfers(Log& log) : log_(log) {}
    bool binaryReceiveActive() const override { return receiving; }
    BinaryReceiveCounters binaryReceiveCounters() const override { return counters; }
    void setXferBytes(const std::string& text) override { record("XferBytes", text); }
    void setXferTime(const std::string& text) override { record("XferTime", text); }
    void setXferTput(const std::string& text) override { record("XferTput", text); }
    void setXferGauge(std::int64_t pos) override { record("XferGauge", std::to_string(pos)); }
    void textFileProgressStep() override { log_.push_back("text send step"); }
    void binarySendProgressStep() override { log_.push_back("binary send step"); }

    bool receiving = false;
    BinaryReceiveCounters counters;
    std::map<std::string, std::string> fields;

private:
    void record(const std::string& field, const std::string& text) {
        fields[field] = text;
        log_.push_back(field);
    }
    Log& log_;
};

class TimeDisplayTickTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock.setWallClock(sys_days{2002y / June / 3} + 7h + 4min + 8s + 750ms);
        clock.setOnEvents([this] { log.push_back("events"); });
        tick.start();
    }
    void runTick() {
        log.clear();
        clock.advance(TimeDisplayTick::kIntervalMs);
        // The clock's own event rounds after the tick are not the tick's.
        auto last = std::find(log.rbegin(), log.rend(), "binary send step");
        log.erase(last.base(), log.end());
    }

    testing::ManualClock clock;
    Log log;
    FakeStatusBar bar{log};
    FakeTransfers transfers{log};
    ThroughputState throughput;
    TimeDisplayTick tick{clock, bar, transfers, throughput};
};

TEST_F(TimeDisplayTickTest, IdleTickWritesOnlyClockAndLineCounts) {
    bar.rxLines = 12;
    bar.txLines = 3;
    runTick();
    EXPECT_EQ(bar.panels, (std::map<int, std::string>{{8, "Mon Jun 3, 2002  07:04:09"},
                                                      {5, "RX 12           TX 3"}}));
    EXPECT_TRUE(transfers.fields.empty());
    EXPECT_EQ(log, (Log{"panel 8", "panel 5", "text send step", "binary send step"}));
}

TEST_F(TimeDisplayTickTest, OtherTextInPanelFiveIsReplacedAtTheNextTick) {
    runTick();
    bar.setPanel(5, "HUFFMAN ON");
    clock.advance(TimeDisplayTick::kIntervalMs - 1);
    EXPECT_EQ(bar.panels[5], "HUFFMAN ON");
    clock.advance(1);
    EXPECT_EQ(bar.panels[5], "RX 0           TX 0");
}

TEST_F(TimeDisplayTickTest, BinaryReceiveProgressComesBetweenClockAndLineCounts) {
    transfers.receiving = true;
    transfers.counters = {1000, 4000, 1000, 0};
    clock.advance(1750); // 2 s on the tick count
    tick.throughput().restart(0, 0);
    runTick();
    EXPECT_EQ(log, (Log{"panel 8", "XferBytes", "XferTime", "XferTput", "XferGauge", "panel 5",
                        "text send step", "binary send step"}));
    // 1000 bytes in 2 s at 4:1 is 2000 per second, smoothed from 0 to 250.
    EXPECT_EQ(transfers.fields, (std::map<std::string, std::string>{{"XferBytes", "4000"},
                                                                    {"XferTime", "00:00:02"},
                                                                    {"XferTput", "250"},
                                                                    {"XferGauge", "1000"}}));
}

TEST_F(TimeDisplayTickTest, ThroughputIsShownOncePerSecond) {
    transfers.receiving = true;
    transfers.counters = {0, 800, 800, 0};
    std::vector<std::string> shown;
    for (int quarter = 1; quarter <= 12; ++quarter) {
        transfers.counters.byteCount = quarter * 200; // 800 bytes per second
        transfers.fields.erase("XferTput");
        runTick();
        if (transfers.fields.count("XferTput")) shown.push_back(transfers.fields["XferTput"]);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"100", "187", "263"}));
}

TEST_F(TimeDisplayTickTest, Stops) {
    tick.stop();
    EXPECT_FALSE(tick.isRunning());
    runTick();
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace orvane
