#pragma once

#include "operations/FaxAbortMark.h"
#include "platform/Clock.h"
#include "transfer/FaxReport.h"

#include <memory>
#include <vector>

namespace orvane {

class FaxConsole;
class FaxPanelView;

// The most gauge steps one progress report shows. The figures come from the
// air: a report of four thousand million bytes done must not hold the
// display for hours, so a gauge farther behind than this many steps first
// jumps ahead.
inline constexpr std::uint32_t kMostFaxProgressSteps = 1000;

// The gauge positions a progress report shows on its way from `position` to
// `done`: three at a time while far behind, then one by one.
std::vector<std::uint32_t> FaxProgressSteps(std::uint32_t position, std::uint32_t done);

// Shows the FAX transfers the modems report: who sends to whom, how far it
// has gone, the outcome; greys the Quoral toolbar meanwhile and returns the
// console to Quoral standby a second after the transfer is over.
class FaxTransferDisplay final : public FaxReportHandler, public FaxAbortMark {
public:
    static constexpr int kClearDelayMs = 1000;
    static constexpr const char* kAborted = "FAX Transfer Aborted";

    FaxTransferDisplay(FaxPanelView& view, FaxConsole& console, Clock& clock);

    void faxReport(const FaxReport& report) override;
    // FaxAbortMark: the Panic buttons mark a transfer on screen aborted.
    void panicPressed() override;
    // ClearFAXPanelTimer's expiry.
    void onClearPanelTimeout();

private:
    void starting();
    void direction(const FaxReport& report);
    void progress(const FaxReport& report);
    void result(bool success);
    bool aborted() const;
    void emptyFigures();

    FaxPanelView& view_;
    FaxConsole& console_;
    std::unique_ptr<Timer> ClearFAXPanelTimer;
};

} // namespace orvane
