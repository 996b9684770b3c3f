#include "app/OnAirOperations.h"

#include "app/ConsoleWindows.h"
#include "session/ModemSession.h"
#include "session/SessionState.h"
#include "ui/main/MainWindow.h"
#include "ui/surface/ModeToolbars.h"

namespace orvane {

OnAirOperations::OnAirOperations(const ConsoleServices& services, SessionState& state,
                                 ModemSession& session, ConsoleWindows& windows)
    : toneTestBox_(windows.mainWindow()), tones_(state.link, session.line(), session.sequences(),
                                                 session.routingThread(), toneTestBox_),
      ownCall_(state.settings, services.prompter), panels_(windows.mainWindow(), services.prompter),
      broadcasts_(state.link, state.settings, session.line(), windows.surface(), panels_) {
    toneTestBox_.connectTo(tones_);
    panels_.connectTo(broadcasts_);
    windows.mainWindow().onTriggered(Control::TestTonesItem,
                                     [this] { tones_.mnuSpecialTestClick(); });
    // Baudot's button in that place sends LTRS, which carries no call.
    connectToolbarButtons(windows.mainWindow(), ButtonRole::Fec, [this, &state] {
        if (state.link.operatingMode == OperatingMode::Baudot || ownCall_.allowsOnAir())
            broadcasts_.butFECClick();
    });
}

} // namespace orvane
