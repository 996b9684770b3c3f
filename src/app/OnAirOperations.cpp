#include "app/OnAirOperations.h"

#include "app/MainWindow.h"
#include "app/surface/ModeToolbars.h"

namespace orvane {

OnAirOperations::OnAirOperations(Parts parts)
    : toneTestBox_(parts.window),
      tones_(parts.link, parts.line, parts.sequences, parts.routing, toneTestBox_),
      panels_(parts.window, parts.prompter),
      broadcasts_(parts.link, parts.settings, parts.sender, parts.surface, panels_) {
    toneTestBox_.connectTo(tones_);
    panels_.connectTo(broadcasts_);
    parts.window.onTriggered(Control::TestTonesItem, [this] { tones_.mnuSpecialTestClick(); });
    connectToolbarButtons(parts.window, ButtonRole::Fec, [this] { broadcasts_.butFECClick(); });
}

} // namespace orvane
