#include "configure/PrintSquelch.h"

#include "config/Settings.h"
#include "modes/CommonSetup.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"

namespace orvane {

void PrintSquelchApply(ModeContext& context, int level, bool on) {
    context.settings.PrintSquelchSetting = level;
    sendCommand(context, CommandCode::PRINT_SQUELCH, on ? level : 0);
    showPrintSquelchMarkers(context, level, on);
}

} // namespace orvane
