#pragma once

#include "controls/Control.h"
#include "modes/ModeContext.h"

#include <string_view>

namespace orvane {

// Steps that only the FSK modes take.

// LISTEN_ON and "STBY-LISTEN" while the console listens, else LISTEN_OFF and
// "STBY" (AMTOR and P-Mode).
void sendListenChoice(ModeContext& context);

// The mode's polarity word ("NORM" in any letter case is normal): panel 5,
// POL_NORM or POL_REV and the image of the mode's NORM/REV button. The
// keyboard modes follow the polarity with the receive-polarity command and
// caption the button "Normal" or "Reverse".
struct PolarityButton {
    Control control;
    bool keyboardMode;
};
void applyModePolarity(ModeContext& context, std::string_view word, PolarityButton button);

// RXPOL_SAME_ON when the receive polarity follows the transmit polarity.
void sendReceivePolarity(ModeContext& context);

// The sync-idle word ("ON" in any letter case): panel 4, the caption of the
// mode's Monitor button and SYNC_IDLE_ON or SYNC_IDLE_OFF.
void applySyncIdle(ModeContext& context, std::string_view word, Control monitorButton);

// The rate in panel 1 and on the mode's rate button.
void showRate(ModeContext& context, int baud, Control rateButton);

} // namespace orvane
