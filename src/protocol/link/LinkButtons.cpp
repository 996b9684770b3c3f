#include "protocol/link/LinkButtons.h"

#include "protocol/link/ConsoleSurface.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orvane {
namespace {

constexpr std::size_t kSituations = static_cast<std::size_t>(LinkSituation::TrafficRestored) + 1;

// What each situation, in the order of LinkSituation, shows on the button of
// a role: on, off, or as it was.
struct Row {
    ButtonRole role;
    std::array<std::optional<bool>, kSituations> shown;
};

constexpr std::nullopt_t kKept = std::nullopt;

// clang-format off
constexpr Row kRows[] = {
    //                        TOR    Quoral bcast  FEC    rate   link   standby dropped calling call   FAX    FAX    traffic
    //                        link   link          bcast  asked  ended                  CQ      asked  busy   over   again
    {ButtonRole::Disconnect, {true,  true,  true,  true,  kKept, false, false,  false,  kKept,  kKept, false, kKept, kKept}},
    {ButtonRole::Connect,    {false, false, false, false, kKept, true,  true,   true,   false,  kKept, false, true,  kKept}},
    {ButtonRole::Panic,      {true,  true,  true,  true,  kKept, false, kKept,  false,  true,   true,  true,  false, kKept}},
    {ButtonRole::Foxes,      {true,  true,  true,  true,  kKept, kKept, kKept,  kKept,  kKept,  kKept, false, kKept, kKept}},
    {ButtonRole::Fec,        {false, false, false, false, kKept, kKept, true,   kKept,  false,  kKept, false, true,  kKept}},
    {ButtonRole::Over,       {true,  false, kKept, kKept, kKept, false, kKept,  kKept,  kKept,  kKept, kKept, kKept, kKept}},
    {ButtonRole::ForcedOver, {true,  kKept, kKept, kKept, kKept, false, kKept,  kKept,  kKept,  kKept, kKept, kKept, kKept}},
    {ButtonRole::CallCq,     {kKept, false, kKept, true,  true,  kKept, kKept,  kKept,  false,  kKept, false, true,  true}},
    {ButtonRole::TxEnable,   {kKept, kKept, kKept, kKept, kKept, kKept, kKept,  kKept,  kKept,  kKept, false, true,  true}},
    {ButtonRole::Msg0,       {kKept, kKept, kKept, kKept, kKept, kKept, kKept,  kKept,  kKept,  kKept, false, true,  true}},
    {ButtonRole::MsgPlus,    {kKept, kKept, kKept, kKept, kKept, kKept, kKept,  kKept,  kKept,  kKept, false, true,  true}},
    {ButtonRole::DeMy,       {kKept, kKept, kKept, kKept, kKept, kKept, kKept,  kKept,  kKept,  kKept, false, true,  true}},
    {ButtonRole::HisDeMy,    {kKept, kKept, kKept, kKept, kKept, kKept, kKept,  kKept,  kKept,  kKept, false, true,  true}},
};
// clang-format on

} // namespace

std::vector<ButtonState> linkButtons(Toolbar toolbar, LinkSituation situation) {
    std::vector<ButtonState> states;
    for (const Row& row : kRows) {
        const std::optional<bool> enabled = row.shown[static_cast<std::size_t>(situation)];
        const std::optional<Control> button = toolbarButton(toolbar, row.role);
        if (enabled && button) states.push_back({*button, *enabled});
    }
    return states;
}

void showLinkButtons(ConsoleSurface& surface, Toolbar toolbar, LinkSituation situation) {
    for (const ButtonState& state : linkButtons(toolbar, situation))
        surface.setEnabled(state.control, state.enabled);
}

void showLinkButtons(ConsoleSurface& surface, std::span<const Toolbar> toolbars,
                     LinkSituation situation) {
    for (const Toolbar toolbar : toolbars)
        showLinkButtons(surface, toolbar, situation);
}

} // namespace orvane
