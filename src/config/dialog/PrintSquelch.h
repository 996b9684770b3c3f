#pragma once

namespace orvane {

struct ModeContext;

// The print squelch as the operator sets it in the Print Squelch dialog (and
// the configuration dialog applies it in Baudot and ASCII): the level is
// stored, the amplitude window's two markers move to the level (hidden below
// the window's scale), the modem gets the level or 0 when the squelch is
// off, and the markers show while the squelch is on.
void PrintSquelchApply(ModeContext& context, int level, bool on);

} // namespace orvane
