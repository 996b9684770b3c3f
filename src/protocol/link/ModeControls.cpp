#include "protocol/link/ModeControls.h"

#include <algorithm>
#include <array>

namespace orvane {
namespace {

constexpr std::array<ModeControls, 6> kModeControls{{
    {OperatingMode::Quoral, Control::QuoralItem, Control::QuoralToolbar, Toolbar::Quoral,
     Control::QuoralTxEnable, Control::QuoralDeMy, Control::QuoralHisDeMy},
    {OperatingMode::Amtor, Control::AmtorItem, Control::AmtorToolbar, Toolbar::Amtor,
     Control::AmtorTxEnable, std::nullopt, std::nullopt},
    {OperatingMode::PMode, Control::PModeItem, Control::PModeToolbar, Toolbar::PMode,
     Control::PModeTxEnable, Control::PModeDeMy, Control::PModeHisDeMy},
    {OperatingMode::Baudot, Control::BaudotItem, Control::BaudotToolbar, Toolbar::Baudot,
     Control::BaudotTxEnable, Control::BaudotDeMy, Control::BaudotHisDeMy},
    {OperatingMode::Ascii, Control::AsciiItem, Control::AsciiToolbar, Toolbar::Ascii,
     Control::AsciiTxEnable, Control::AsciiDeMy, Control::AsciiHisDeMy},
    {OperatingMode::Psk31, Control::Psk31Item, Control::Psk31Toolbar, Toolbar::Psk31,
     Control::Psk31TxEnable, std::nullopt, std::nullopt},
}};

} // namespace

std::span<const ModeControls> allModeControls() {
    return kModeControls;
}

std::vector<ItemCheck> codeMenuChecks(OperatingMode held) {
    const OperatingMode base = baseMode(held);
    std::vector<ItemCheck> checks;
    for (const ModeControls& controls : kModeControls)
        checks.push_back({controls.menuItem, controls.mode == base});
    return checks;
}

const ModeControls& controlsOf(OperatingMode mode) {
    const OperatingMode base = baseMode(mode);
    const auto it = std::find_if(kModeControls.begin(), kModeControls.end(),
                                 [base](const ModeControls& c) { return c.mode == base; });
    return it == kModeControls.end() ? kModeControls.front() : *it;
}

} // namespace orvane
