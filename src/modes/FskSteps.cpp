#include "modes/FskSteps.h"

#include "config/Settings.h"
#include "modes/ModeSurface.h"
#include "modes/SetupSteps.h"
#include "modes/WordCompare.h"
#include "protocol/link/LinkState.h"

#include <string>

namespace orvane {
namespace {

constexpr int kNormalImage = 7;
constexpr int kReverseImage = 8;

} // namespace

void sendListenChoice(ModeContext& context) {
    const bool listening = context.link.listenMode == ListenMode::Listening;
    sendCommand(context, listening ? CommandCode::LISTEN_ON : CommandCode::LISTEN_OFF);
    context.surface.setPanel(panel::Link, context.link.standbyText());
}

void applyModePolarity(ModeContext& context, std::string_view word, PolarityButton button) {
    const bool normal = sameWordIgnoringCase(word, "NORM");
    context.surface.setPanel(panel::Format, normal ? "NORM" : "REV");
    sendCommand(context, normal ? CommandCode::POL_NORM : CommandCode::POL_REV);
    if (button.keyboardMode) {
        sendReceivePolarity(context);
        context.surface.setCaption(button.control, normal ? "Normal" : "Reverse");
    }
    context.surface.setButtonImage(button.control, normal ? kNormalImage : kReverseImage);
}

void sendReceivePolarity(ModeContext& context) {
    sendCommand(context, context.settings.RXPolaritySameAsTX ? CommandCode::RXPOL_SAME_ON
                                                             : CommandCode::RXPOL_SAME_OFF);
}

void applySyncIdle(ModeContext& context, std::string_view word, Control monitorButton) {
    const bool on = sameWordIgnoringCase(word, "ON");
    context.surface.setPanel(panel::Rate, on ? "SYNC" : "");
    context.surface.setCaption(monitorButton, on ? "ON" : "OFF");
    sendCommand(context, on ? CommandCode::SYNC_IDLE_ON : CommandCode::SYNC_IDLE_OFF);
}

void showRate(ModeContext& context, int baud, Control rateButton) {
    const std::string text = std::to_string(baud);
    context.surface.setPanel(panel::Link, text);
    context.surface.setCaption(rateButton, text);
}

} // namespace orvane
