#pragma once

#include "protocol/ModemCommand.h"
#include "sequence/Task.h"

namespace orvane {

class RoutingSwitch;
class SequenceRunner;
class SequenceLine;
class ToneTestView;
struct LinkState;

// "Te&st Tones": the modem sends steady tones for adjusting the radio. While
// the panel is up nothing received is handed over; it waits in the RxQueue
// and is shown, in order, after Cancel.
//
// Each tone chosen and the Cancel is a sequence on the runner: the routing
// is held or let go and given time to settle, then the command goes out and
// nothing else reaches the modem for the command spacing after it.
class TestTones {
public:
    TestTones(const LinkState& link, SequenceLine& line, SequenceRunner& runner,
              RoutingSwitch& routing, ToneTestView& view)
        : link_(link), line_(line), runner_(runner), routing_(routing), view_(view) {}

    void mnuSpecialTestClick();
    // Alt+F8: the panel opens with the routing still running; the first
    // tone chosen holds it.
    void openFromKey();
    // The operator chose the entry at `position` of ToneBox (-1 for none).
    void chooseTone(int position);
    // The panel closes at once; the tones stop in their turn.
    void butTestCancelClick();

    bool routingHeld() const { return holdingRouting_; }

private:
    Task<> holdRouting();

    const LinkState& link_;
    SequenceLine& line_;
    SequenceRunner& runner_;
    RoutingSwitch& routing_;
    ToneTestView& view_;
    // Set while this test holds the routing thread, so that Cancel resumes
    // only a suspension of its own.
    bool holdingRouting_ = false;
};

} // namespace orvane
