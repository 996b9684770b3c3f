#include "config/dialog/PrintSquelch.h"

#include "config/Settings.h"
#include "modes/CommonSetup.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"

namespace orvane {

void PrintSquelchApply(ModeContext& context, int level, bool on) {
    context.settings.PrintSquelchSetting = level;
    if (auto x = printSquelchMarkerX(level))
        context.surface.movePrintSquelchMarkers(*x);
    else
        context.surface.setPrintSquelchMarkersVisible(false);
    sendCommand(context, CommandCode::PRINT_SQUELCH, on ? level : 0);
    // A level below the scale still shows the markers while the squelch is on.
    context.surface.setPrintSquelchMarkersVisible(on);
}

} // namespace orvane
