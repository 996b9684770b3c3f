#include "modes/ModeControls.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::array<ModeControls, 6> kModeControls{{
    {OperatingMode::Quoral, "mnuCodeQuoral", "QORToolBar", "butQORTXEnable", "butQORdeMY",
     "butQORHisDeMY"},
    {OperatingMode::Amtor, "mnuCodeAmtor", "AmtorToolBar", "butAmtorTXEnable", "", ""},
    {OperatingMode::PMode, "mnuCodePMode", "PModeToolBar", "butPModeTXEnable", "butPModeDeMY",
     "butPModeHISdeMY"},
    {OperatingMode::Baudot, "mnuCodeBaudot", "BaudotToolBar", "butBaudotTXEnable", "butBaudotDeMY",
     "butBaudotHISdeMY"},
    {OperatingMode::Ascii, "mnuCodeAscii", "AsciiToolBar", "butAsciiTXEnable", "butAsciiDeMY",
     "butAsciiHISdeMY"},
    {OperatingMode::Psk31, "mnuCodePSK31", "PSKToolBar", "butPSKTXEnable", "", ""},
}};

} // namespace

std::span<const ModeControls> allModeControls() {
    return kModeControls;
}

const ModeControls& controlsOf(OperatingMode mode) {
    const OperatingMode base = baseMode(mode);
    const auto it = std::find_if(kModeControls.begin(), kModeControls.end(),
                                 [base](const ModeControls& c) { return c.mode == base; });
    return it == kModeControls.end() ? kModeControls.front() : *it;
}

} // namespace orvane
