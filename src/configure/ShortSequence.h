#pragma once

#include <string_view>

namespace orvane {

struct ModeContext;

// What the configuration brings up to date when the mode's set-up does not
// run again: the FSK polarity and receive level, then the current mode's own
// settings (transmit enable, text entry, end of line, and the few commands
// that the mode takes without a new set-up).
void sendShortSequence(ModeContext& context);

} // namespace orvane
