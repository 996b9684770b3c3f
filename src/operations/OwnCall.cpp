#include "operations/OwnCall.h"

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "config/StationSetup.h"
#include "modes/ModeSurface.h"
#include "operations/OperationContext.h"
#include "operations/PumpLine.h"
#include "platform/Prompter.h"
#include "protocol/CommandBuilders.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/ModeControls.h"

namespace orvane {

void takeOwnCall(const OperationContext& context, const std::string& call) {
    Settings& s = context.settings;
    s.MYCALL = call;
    context.line.sendCommand(textCommand(CommandCode::SET_MYCALL, s.MYCALL));
    context.surface.showStationCall(s.MYCALL);
    const ModeControls& controls = controlsOf(context.link.operatingMode);
    if (controls.deMyButton && controls.hisDeMyButton) {
        context.surface.setHint(*controls.deMyButton, "de " + s.MYCALL);
        context.surface.setHint(*controls.hisDeMyButton, s.HISCALL + " de " + s.MYCALL);
    }
    context.configChanged.set();
}

bool OwnCallGate::allowsOnAir() const {
    if (!callSignIsPlaceholder(settings_)) return true;
    prompter_.notice("Orvane",
                     "This station's call sign is not set yet (it is still \"" +
                         std::string(kPlaceholderCall) +
                         "\"), so nothing that sends it goes on the air.\n\n"
                         "Enter your call sign in the window \"Welcome to Orvane\" "
                         "(Configure \u2192 Station Call Sign and Port...), or in "
                         "Configure \u2192 Configuration Pages..., Messages page, MyCall.",
                     PromptIcon::Exclamation);
    return false;
}

} // namespace orvane
