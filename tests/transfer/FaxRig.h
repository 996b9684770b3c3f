#pragma once
// A FAX display on a recording panel, fed a received stream through the
// in-band parser; shared by the display's tests and its fuzz target.

#include "support/ManualClock.h"
#include "transfer/InBandParser.h"
#include "transfer/fax/FaxPanelView.h"
#include "transfer/fax/FaxTransferDisplay.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace orvane::testing {

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

    void receive(std::int32_t item) {
        if (parser.active())
            parser.feed(item);
        else if (item == 0x01)
            parser.begin();
        else
            text.push_back(static_cast<char>(item));
    }
    void receive(std::initializer_list<std::int32_t> items) {
        for (auto item : items)
            receive(item);
    }
};

} // namespace orvane::testing
