#pragma once

namespace orvane {

class Clock;
class CommandSender;
class RoutingSwitch;
class ToneTestView;
struct LinkState;

// "Te&st Tones": the modem sends steady tones for adjusting the radio. While
// the panel is up nothing received is handed over; it waits in the RxQueue
// and is shown, in order, after Cancel.
class TestTones {
public:
    TestTones(const LinkState& link, CommandSender& sender, Clock& clock, RoutingSwitch& routing,
              ToneTestView& view)
        : link_(link), sender_(sender), clock_(clock), routing_(routing), view_(view) {}

    void mnuSpecialTestClick();
    // Alt+F8: the panel opens with the routing still running; the first
    // tone chosen holds it.
    void openFromKey();
    // The operator chose the entry at `position` of ToneBox (-1 for none).
    void ToneBoxChange(int position);
    void butTestCancelClick();

    bool routingHeld() const { return holdingRouting_; }

private:
    void holdRouting();

    const LinkState& link_;
    CommandSender& sender_;
    Clock& clock_;
    RoutingSwitch& routing_;
    ToneTestView& view_;
    // Set while this test holds the routing thread, so that Cancel resumes
    // only a suspension of its own.
    bool holdingRouting_ = false;
};

} // namespace orvane
