#pragma once
// The other station and the modem's link state: calls are answered after a short delay by a
// link report, or by LINK_FAILED for the signs told to fail; DISCONNECT and PANIC end a link,
// a call or a Quoral or P-Mode broadcast with DISCONNECTED, and an AMTOR broadcast with the
// state event of standby (STBY, or STBY_LISTEN while the modem listens).

#include "byte_text.h"
#include "sim_time.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace modara_sim {

// A status code with the bytes that follow it as data.
struct Report {
    std::uint8_t code;
    Bytes followOn;
    bool operator==(const Report&) const = default;
};

class LinkPlay {
public:
    enum class Mode { Quoral, Amtor, Pmode, Baudot, Ascii };
    enum class State { Idle, Calling, Linked, Broadcast, CallingCq };

    static constexpr Millis kDefaultCallDelay = 300;
    static constexpr const char* kDefaultCqSign = "K9CQ";

    explicit LinkPlay(Millis callDelay = kDefaultCallDelay) : callDelay_(callDelay) {}

    void addFailCall(const std::string& sign);

    // A command from the console (text commands carry their text); returns what the modem
    // reports at once. Reports that come later are handed out by due().
    std::vector<Report> onCommand(std::uint8_t code, const Bytes& text, Millis now);
    std::vector<Report> onPanic();
    std::vector<Report> due(Millis now);
    std::optional<Millis> nextDue() const;

    // Every status the modem sends passes here, those of scripts too, so that a link a
    // script reports behaves like one the simulator made.
    void observe(const Report& report);

    // Whether data from the console is going out on the air (and so is echoed), and
    // which bytes the current mode can send.
    bool onAir() const;
    bool canSend(std::uint8_t b) const;

    State state() const { return state_; }
    Mode mode() const { return mode_; }

private:
    struct Pending {
        Millis at;
        Report report;
    };

    void call(Report success, const std::string& sign, Millis now);
    std::vector<Report> endLink();
    Report standbyReport() const;

    Millis callDelay_;
    Mode mode_ = Mode::Quoral;
    State state_ = State::Idle;
    bool listening_ = false;
    // An AMTOR broadcast returns to standby by a state event, not by DISCONNECTED.
    bool amtorBroadcast_ = false;
    std::optional<Pending> pending_;
    std::set<std::string> failCalls_;
    std::string lastCqSign_ = kDefaultCqSign;
};

// The call text of a status: the characters up to the first byte that is 0 or 0x80 and up.
std::string callTextOf(const Bytes& followOn);

} // namespace modara_sim
