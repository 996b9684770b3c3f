#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvane {

// The mode toolbars whose buttons the status handlers switch. A button's
// object name is the toolbar's prefix and the button's role: butQOR +
// Connect, butPMode + ForcedOver, butBaudot + Panic.
enum class Toolbar { Quoral, Amtor, PMode, Baudot, Ascii };

inline constexpr std::array<Toolbar, 3> kArqToolbars{Toolbar::Quoral, Toolbar::Amtor,
                                                     Toolbar::PMode};
// The ARQ toolbars with OVER and Forced OVER.
inline constexpr std::array<Toolbar, 2> kTorToolbars{Toolbar::Amtor, Toolbar::PMode};

std::string button(Toolbar toolbar, std::string_view role);

} // namespace orvane
