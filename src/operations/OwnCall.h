#pragma once

#include <string>

namespace orvane {

class Prompter;
struct OperationContext;
struct Settings;

// This station's call sign: the modem is told a new one (SET_MYCALL), the
// "de MY" buttons of the mode show it, and it is marked for saving.
void takeOwnCall(const OperationContext& context, const std::string& call);

// Keeps the placeholder call sign off the air: what would send this
// station's call (a call, CQ, a broadcast, "de MY", CW ID) asks here first.
class OwnCallGate {
public:
    OwnCallGate(const Settings& settings, Prompter& prompter)
        : settings_(settings), prompter_(prompter) {}

    // True when the station's call sign is set; else the operator is told
    // how to set it, and nothing may go out.
    bool allowsOnAir() const;

private:
    const Settings& settings_;
    Prompter& prompter_;
};

} // namespace orvane
