#include "protocol/link/LinkButtons.h"

#include "protocol/link/ConsoleSurface.h"

#include <optional>

namespace orvane {
namespace {

// What a situation shows on a button of each role: on, off, or as it was.
struct Row {
    ButtonRole role;
    std::optional<bool> torLinked, quoralLinked, broadcasting, linkEnded, standbyReported,
        broadcastDropped;
};

constexpr std::nullopt_t kKept = std::nullopt;

// clang-format off
constexpr Row kRows[] = {
    //                      TOR link  Quoral link broadcast link ended standby  dropped
    {ButtonRole::Disconnect, true,    true,       true,     false,     false,   false},
    {ButtonRole::Connect,    false,   false,      false,    true,      true,    true},
    {ButtonRole::Panic,      true,    true,       true,     false,     kKept,   false},
    {ButtonRole::Foxes,      true,    true,       true,     kKept,     kKept,   kKept},
    {ButtonRole::Fec,        false,   false,      false,    kKept,     true,    kKept},
    {ButtonRole::Over,       true,    false,      kKept,    false,     kKept,   kKept},
    {ButtonRole::ForcedOver, true,    kKept,      kKept,    false,     kKept,   kKept},
    {ButtonRole::CallCq,     kKept,   false,      kKept,    kKept,     kKept,   kKept},
};
// clang-format on

std::optional<bool> shown(const Row& row, LinkSituation situation) {
    switch (situation) {
    case LinkSituation::TorLinked:
        return row.torLinked;
    case LinkSituation::QuoralLinked:
        return row.quoralLinked;
    case LinkSituation::Broadcasting:
        return row.broadcasting;
    case LinkSituation::LinkEnded:
        return row.linkEnded;
    case LinkSituation::StandbyReported:
        return row.standbyReported;
    case LinkSituation::BroadcastDropped:
        return row.broadcastDropped;
    }
    return std::nullopt;
}

} // namespace

std::vector<ButtonState> linkButtons(Toolbar toolbar, LinkSituation situation) {
    std::vector<ButtonState> states;
    for (const Row& row : kRows) {
        const std::optional<bool> enabled = shown(row, situation);
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
