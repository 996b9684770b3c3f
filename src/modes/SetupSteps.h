#pragma once

#include "controls/Control.h"
#include "modes/ModeContext.h"
#include "protocol/CommandCode.h"
#include "protocol/link/OperatingMode.h"
#include "protocol/status/ConsoleActivities.h"

#include <initializer_list>
#include <string_view>

namespace orvane {

// Status panel 7, which only the mode set-ups write.
inline constexpr int kSetupPanel = 7;

// The steps that the mode set-ups have in common. Each set-up strings them
// together in its own order with its own steps in between.

// A command without, or with one, parameter byte.
void sendCommand(ModeContext& context, CommandCode code);
void sendCommand(ModeContext& context, CommandCode code, int value);

// SW1_OFF, SW6_OFF, then SW13_OFF and MODE_FSK_PREP where the mode wants them.
struct Opening {
    bool switch13Off;
    bool fskPrep;
};
void sendOpening(ModeContext& context, Opening opening);

// FSK_POL_NORM for FSKPol "NORM" in any letter case, else FSK_POL_REV.
void sendFskPolarity(ModeContext& context);
// AUDIO_LEVEL with the receive code, then with the transmit code where the
// hardware has a transmit level and the code is one.
void sendAudioLevels(ModeContext& context);
// FSK_TONES with the mode's mark and space, the FSK polarity, the levels.
void sendFskTonesAndLevels(ModeContext& context, int markHz, int spaceHz);

// The transmit-enable button of a mode: image 6 and "TX EN " when enabled,
// image 5 and "TX DIS" when not; TxEnabled follows.
void showTransmitEnable(ModeContext& context, Control button, bool enabled);
// TXEnable exactly "EN" enables transmitting; anything else disables it and
// stores "OFF".
void applyTransmitEnable(ModeContext& context, Control button);
// The mode's toolbar shows (when the ToolBar setting is on) and every other
// mode's toolbar hides.
void hideOtherToolbars(ModeContext& context, OperatingMode own);
void showModeToolbar(ModeContext& context, OperatingMode own);
void showStatusBar(ModeContext& context);

// The menu item of the mode checked, every other mode's unchecked.
void checkModeItem(ModeContext& context, OperatingMode own);

void applyTextEntry(ModeContext& context, std::string_view word);
void applyEndOfLine(ModeContext& context, std::string_view word, EndOfLineWords accepted);
void clearCallTyped(ModeContext& context);
void focusTransmitPaneIfShown(ModeContext& context);

// SET_MYCALL with MYCALL, then the hints of the mode's "de MY" and "HIS de
// MY" buttons.
void sendOwnCallSign(ModeContext& context, OperatingMode buttonsOf);

// The test-tone lists: Quoral's and the FSK modes'.
void fillQuoralToneList(ModeContext& context);
void fillFskToneList(ModeContext& context);

void hidePrintSquelchMarkers(ModeContext& context);
// The amplitude window's two print squelch markers moved to `level`, hidden
// when the level lies below the window's scale (58).
void placePrintSquelchMarkers(ModeContext& context, int level);
// Placed at `level` and shown while the squelch is `on`, but never below the
// scale: there they would stand where an earlier level left them.
void showPrintSquelchMarkers(ModeContext& context, int level, bool on);
// At PrintSquelchSetting, on when PrintSquelchEnable is "ON" in any letter case.
void showPrintSquelchMarkersIfEnabled(ModeContext& context);

void emptyPanels(ModeContext& context, std::initializer_list<int> panels);

// The mode the console is in, kept in the Code setting as well.
void setOperatingMode(ModeContext& context, OperatingMode mode);

} // namespace orvane
