#include "transfer/fax/FaxTransferDisplay.h"

#include "transfer/fax/FaxPanelView.h"

namespace orvane {

std::vector<std::uint32_t> FaxProgressSteps(std::uint32_t position, std::uint32_t done) {
    std::vector<std::uint32_t> steps;
    constexpr std::uint32_t kFarthest = 3 * kMostFaxProgressSteps;
    if (position < done && done - position > kFarthest) position = done - kFarthest;
    for (std::uint64_t p = position; p <= done; ++p) {
        if (done - p >= 10) p += 2;
        steps.push_back(static_cast<std::uint32_t>(p));
    }
    return steps;
}

FaxTransferDisplay::FaxTransferDisplay(FaxPanelView& view, FaxConsole& console, Clock& clock)
    : view_(view), console_(console),
      ClearFAXPanelTimer(clock.createTimer("ClearFAXPanelTimer", kClearDelayMs)) {
    ClearFAXPanelTimer->setHandler([this] { onClearPanelTimeout(); });
}

void FaxTransferDisplay::faxReport(const FaxReport& report) {
    switch (report.code) {
    case fax::kStarting: starting(); break;
    case fax::kSending:
    case fax::kReceiving: direction(report); break;
    case fax::kProgress: progress(report); break;
    case fax::kSuccess: result(true); break;
    case fax::kFailure: result(false); break;
    case fax::kOver:
        ClearFAXPanelTimer->setInterval(kClearDelayMs);
        ClearFAXPanelTimer->start();
        break;
    default: break;
    }
}

bool FaxTransferDisplay::aborted() const {
    return view_.title() == kAborted;
}

void FaxTransferDisplay::emptyFigures() {
    view_.setRate("");
    view_.setTotal("");
    view_.setCount("");
    view_.setGauge(0);
}

void FaxTransferDisplay::starting() {
    view_.centrePanel();
    console_.setLinkUp(true);
    view_.setTitle("Starting FAX Transfer");
    emptyFigures();
    view_.showDirection(true);
    view_.setStatus("Starting FAX Transfer");
    view_.applyBusySet();
    view_.showPanel();
    view_.setLinkStatus("");
}

void FaxTransferDisplay::direction(const FaxReport& report) {
    if (aborted()) {
        view_.setGauge(0);
        view_.setTotal("");
        view_.setCount("");
        return;
    }
    const bool sending = report.code == fax::kSending;
    view_.setTitle((sending ? "Sending FAX to Station: " : "Receiving FAX from Station: ") +
                   report.call);
    view_.setStatus(sending ? "Sending FAX" : "Receiving FAX");
    emptyFigures();
    view_.showDirection(sending);
    view_.setLinkStatus("Linked to " + report.call);
    view_.applyBusySet();
    view_.showPanel();
}

void FaxTransferDisplay::progress(const FaxReport& report) {
    if (aborted() || report.total <= 1) return;
    if (view_.gaugeMax() != report.total) view_.setGaugeMax(report.total);
    view_.setTotal(std::to_string(report.total));
    if (report.done > 1) {
        for (std::uint32_t shown : FaxProgressSteps(view_.gaugePosition(), report.done)) {
            view_.setGauge(shown);
            view_.setCount(std::to_string(shown));
        }
    }
    if (report.done == report.total)
        view_.setStatus(view_.status() == "Sending FAX" ? "Waiting for Remote FAX machine"
                                                        : "Waiting for FAX machine");
}

void FaxTransferDisplay::result(bool success) {
    if (success)
        view_.setStatus("Transfer Success!");
    else if (!aborted())
        view_.setStatus("Transfer Failed");
    view_.setLinkStatus("");
}

void FaxTransferDisplay::panicPressed() {
    if (!view_.panelVisible()) return;
    view_.setTitle(kAborted);
    view_.setStatus("FAX Transfer Aborted - Please Wait...");
}

void FaxTransferDisplay::onClearPanelTimeout() {
    ClearFAXPanelTimer->stop();
    console_.runQuoralSetup();
    view_.setTitle("");
    emptyFigures();
    view_.releaseBusySet();
    console_.setLinkUp(false);
    if (view_.panelVisible()) view_.hidePanel();
    console_.selectQuoral();
}

} // namespace orvane
