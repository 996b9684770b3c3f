#include "session/ModemModes.h"

#include "modes/ModeSurface.h"
#include "session/ModemLine.h"
#include "session/SessionState.h"

#include <iostream>

namespace orvane {

ModemModes::ModemModes(SessionState& state, ModeSurface& surface, ModemLine& line,
                       SequenceRunner& sequences, XonXoffFilter& xonXoffFilter,
                       const std::filesystem::path& messageDirectory)
    : sequences_(sequences),
      context_{state.settings,   state.link, state.terminal, surface, line, xonXoffFilter, {}, {},
               messageDirectory, {}},
      runner_(context_, sequences, line), codeMenu_(runner_, state.configChanged) {
    sequences_.setObserver(this);
}

ModemModes::~ModemModes() {
    sequences_.setObserver(nullptr);
}

void ModemModes::sequencesChanged() {
    codeMenu_.showHeldMode();
}

// Nothing of ours throws on purpose; what did is said where a maintainer looks.
void ModemModes::sequenceFailed(const std::string& name, const std::string& what) {
    std::cerr << "orvane: the " << name << " ended early: " << what << '\n';
}

void ModemModes::showLineState(const std::string& text) {
    context_.surface.setPanel(1, text);
}

void ModemModes::replayModeSetup() {
    context_.link.clearLinkFlags();
    runner_.runCommonSetup();
    showLineState(context_.link.standbyText());
}

} // namespace orvane
