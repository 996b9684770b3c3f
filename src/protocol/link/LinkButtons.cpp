#include "protocol/link/LinkButtons.h"

#include "protocol/link/ConsoleSurface.h"

#include <array>
#include <cstddef>
#include <optional>

namespace orvane {
namespace {

constexpr std::size_t kSituations = static_cast<std::size_t>(LinkSituation::CallingCq) + 1;

// What each situation, in the order of LinkSituation, shows on the button of
// a role: on, off, or as it was.
struct Row {
    ButtonRole role;
    std::array<std::optional<bool>, kSituations> shown;
};

constexpr std::nullopt_t kKept = std::nullopt;

// clang-format off
constexpr Row kRows[] = {
    //                        TOR link Quoral link broadcast link ended standby dropped calling CQ
    {ButtonRole::Disconnect, {true,    true,       true,     false,     false,  false,  kKept}},
    {ButtonRole::Connect,    {false,   false,      false,    true,      true,   true,   false}},
    {ButtonRole::Panic,      {true,    true,       true,     false,     kKept,  false,  true}},
    {ButtonRole::Foxes,      {true,    true,       true,     kKept,     kKept,  kKept,  kKept}},
    {ButtonRole::Fec,        {false,   false,      false,    kKept,     true,   kKept,  false}},
    {ButtonRole::Over,       {true,    false,      kKept,    false,     kKept,  kKept,  kKept}},
    {ButtonRole::ForcedOver, {true,    kKept,      kKept,    false,     kKept,  kKept,  kKept}},
    {ButtonRole::CallCq,     {kKept,   false,      kKept,    kKept,     kKept,  kKept,  false}},
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
