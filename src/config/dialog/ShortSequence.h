#pragma once

#include <string_view>

namespace orvane {

struct ModeContext;

// What the configuration brings up to date when the mode's set-up does not
// run again: the FSK polarity and receive level, then the current mode's own
// settings (transmit enable, text entry, end of line, and the few commands
// that the mode takes without a new set-up).
void sendShortSequence(ModeContext& context);

// Whether a polarity button also changes its caption.
enum class PolarityCaption { ImageOnly, Words };

// POL_NORM or POL_REV for the word ("NORM" in any case is normal), panel 5
// "NORM" or "REV", and the button's image 7 or 8 (and caption "Normal" or
// "Reverse").
void showPolarity(ModeContext& context, std::string_view button, std::string_view word,
                  PolarityCaption caption);

} // namespace orvane
