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
      panels_(windows.mainWindow(), services.prompter),
      broadcasts_(state.link, state.settings, session.line(), windows.surface(), panels_) {
    toneTestBox_.connectTo(tones_);
    panels_.connectTo(broadcasts_);
    windows.mainWindow().onTriggered(Control::TestTonesItem,
                                     [this] { tones_.mnuSpecialTestClick(); });
    connectToolbarButtons(windows.mainWindow(), ButtonRole::Fec,
                          [this] { broadcasts_.butFECClick(); });
}

} // namespace orvane
