#include "operations/tones/TestTones.h"

#include "operations/CommandSender.h"
#include "operations/tones/ToneCommands.h"
#include "operations/tones/ToneTestView.h"
#include "platform/Clock.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkState.h"
#include "serial/RoutingSwitch.h"

namespace orvane {
namespace {

// The routing thread finishes the item in hand within this time after a
// suspension or a resumption; the window stays alive meanwhile.
constexpr int kRoutingSettleMs = 100;

} // namespace

void TestTones::mnuSpecialTestClick() {
    if (link_.linkUp) return;
    view_.open();
    holdRouting();
}

void TestTones::openFromKey() {
    if (link_.linkUp) return;
    view_.open();
}

void TestTones::ToneBoxChange(int position) {
    holdRouting();
    sender_.send(command(toneTestCommand(link_.operatingMode, position)));
}

void TestTones::butTestCancelClick() {
    if (holdingRouting_) {
        holdingRouting_ = false;
        routing_.resume();
        clock_.delay(kRoutingSettleMs);
    }
    sender_.send(command(CommandCode::TEST_OFF));
    view_.close();
}

void TestTones::holdRouting() {
    if (!routing_.isRouting()) return;
    routing_.requestSuspend();
    holdingRouting_ = true;
    clock_.delay(kRoutingSettleMs);
}

} // namespace orvane
