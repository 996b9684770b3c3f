#include "modes/ModeSetups.h"

namespace orvane {

void setupForMode(ModeContext& context, OperatingMode mode) {
    switch (mode) {
    case OperatingMode::Amtor: amtorSetup(context); return;
    case OperatingMode::PMode: pModeSetup(context); return;
    case OperatingMode::Baudot: baudotSetup(context); return;
    case OperatingMode::Ascii: asciiSetup(context); return;
    case OperatingMode::Psk31: psk31Setup(context); return;
    default: quoralSetup(context); return;
    }
}

} // namespace orvane
