#include "operations/tones/TestTones.h"

#include "operations/tones/ToneCommands.h"
#include "operations/tones/ToneTestView.h"
#include "protocol/CommandBuilders.h"
#include "protocol/PacedCommands.h"
#include "protocol/link/LinkState.h"
#include "sequence/SequenceRunner.h"
#include "serial/RoutingSwitch.h"

namespace orvane {
namespace {

// The routing thread finishes the item in hand within this time after a
// suspension or a resumption.
constexpr int kRoutingSettleMs = 100;
constexpr const char* kSequenceName = "tone test";

} // namespace

void TestTones::mnuSpecialTestClick() {
    if (link_.linkUp) return;
    view_.open();
    runner_.start(kSequenceName, [this] { return holdRouting(); });
}

void TestTones::openFromKey() {
    if (link_.linkUp) return;
    view_.open();
}

void TestTones::chooseTone(int position) {
    // The entry means what it meant in the list the operator saw.
    const ModemCommand tone = command(toneTestCommand(link_.operatingMode, position));
    runner_.start(kSequenceName, [this, tone]() -> Task<> {
        co_await holdRouting();
        co_await sendPaced(tone, line_, runner_);
    });
}

void TestTones::butTestCancelClick() {
    // Closed at once, so that no tone can be chosen behind the Cancel.
    view_.close();
    runner_.start(kSequenceName, [this]() -> Task<> {
        if (holdingRouting_) {
            holdingRouting_ = false;
            routing_.resume();
            co_await runner_.pause(kRoutingSettleMs);
        }
        co_await sendPaced(command(CommandCode::TEST_OFF), line_, runner_);
    });
}

Task<> TestTones::holdRouting() {
    if (!routing_.isRouting()) co_return;
    routing_.requestSuspend();
    holdingRouting_ = true;
    co_await runner_.pause(kRoutingSettleMs);
}

} // namespace orvane
