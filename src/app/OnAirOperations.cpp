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
    parts.window.onTriggered("mnuSpecialTest", [this] { tones_.mnuSpecialTestClick(); });
    connectToolbarHandler(parts.window, QStringLiteral("butFECClick"),
                          [this](const QString&) { broadcasts_.butFECClick(); });
}

} // namespace orvane
