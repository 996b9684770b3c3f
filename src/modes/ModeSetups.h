#pragma once

#include "modes/ModeContext.h"
#include "protocol/link/OperatingMode.h"

namespace orvane {

// The set-up of each mode: reprograms the modem and reshapes the main window.
// Each stores its OperatingMode before it returns.
void quoralSetup(ModeContext& context);
void amtorSetup(ModeContext& context);
// AMTOR's WRU choice: AMTOR_WRU_ON followed by the answer-back from
// Msg/wru.txt when the file can be read, or AMTOR_WRU_OFF.
void sendAnswerBackChoice(ModeContext& context);
void pModeSetup(ModeContext& context);
void baudotSetup(ModeContext& context);
void asciiSetup(ModeContext& context);
void psk31Setup(ModeContext& context);

// The set-up for a mode value: the broadcast states and any value that is no
// mode get the Quoral set-up.
void setupForMode(ModeContext& context, OperatingMode mode);

} // namespace orvane
