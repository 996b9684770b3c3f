#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// Said after every self-test fault the operator cannot mend himself.
extern const char* const kVendorContactLines;

// What the modem's self-test result asks of us.
struct SelfTestVerdict {
    enum class Action {
        Continue,    // no fault
        EndProgram,  // beep, plain message, drop RTS and DTR, hide, end
        OfferReload, // "ERROR" box with OK (firmware loader) and Cancel (end)
    };
    Action action = Action::Continue;
    std::string message;
    // Cancel on the reload offer also hides the main window.
    bool hideOnCancel = false;
};

// The result code is a signed byte: 1, 2, 4, 6, 8 and 12 are faults, every
// other value (negative ones included) is a pass.
SelfTestVerdict judgeSelfTest(std::int8_t code);

} // namespace orvane
