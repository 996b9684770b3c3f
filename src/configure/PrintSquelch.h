#pragma once

namespace orvane {

struct ModeContext;

// The print squelch as the operator sets it in the Print Squelch dialog (and
// the configuration dialog applies it in Baudot and ASCII): the level is
// stored, the modem gets the level or 0 when the squelch is off, and the
// amplitude window's two markers move to the level and show while the
// squelch is on and the level lies on the window's scale.
void PrintSquelchApply(ModeContext& context, int level, bool on);

} // namespace orvane
