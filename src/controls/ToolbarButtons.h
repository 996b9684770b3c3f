#pragma once

#include "controls/Control.h"

#include <array>
#include <optional>

namespace orvane {

// The mode toolbars.
enum class Toolbar { Quoral, Amtor, PMode, Baudot, Ascii, Psk31 };

inline constexpr std::array<Toolbar, 3> kArqToolbars{Toolbar::Quoral, Toolbar::Amtor,
                                                     Toolbar::PMode};
// The ARQ toolbars with OVER and Forced OVER.
inline constexpr std::array<Toolbar, 2> kTorToolbars{Toolbar::Amtor, Toolbar::PMode};

// What a toolbar button does. One role has the same handler on every toolbar
// (the Connect of ARQ modes and the Call of the FSK modes are both Connect).
enum class ButtonRole {
    Connect,
    Disconnect,
    Panic,
    Over,
    ForcedOver,
    Fec,
    CallCq,
    Monitor,
    NormRev,
    RttyRate,
    TxEnable,
    Msg0,
    MsgPlus,
    DeMy,
    HisDeMy,
    Foxes,
};

struct ToolbarButton {
    Toolbar toolbar;
    ButtonRole role;
    Control control;
};

// Every button of every mode toolbar with its role.
inline constexpr ToolbarButton kToolbarButtons[] = {
    {Toolbar::Quoral, ButtonRole::Connect, Control::QuoralConnect},
    {Toolbar::Quoral, ButtonRole::Disconnect, Control::QuoralDisconnect},
    {Toolbar::Quoral, ButtonRole::Panic, Control::QuoralPanic},
    {Toolbar::Quoral, ButtonRole::Fec, Control::QuoralFec},
    {Toolbar::Quoral, ButtonRole::CallCq, Control::QuoralCallCq},
    {Toolbar::Quoral, ButtonRole::Monitor, Control::QuoralMonitor},
    {Toolbar::Quoral, ButtonRole::TxEnable, Control::QuoralTxEnable},
    {Toolbar::Quoral, ButtonRole::Msg0, Control::QuoralMsg0},
    {Toolbar::Quoral, ButtonRole::MsgPlus, Control::QuoralMsgPlus},
    {Toolbar::Quoral, ButtonRole::DeMy, Control::QuoralDeMy},
    {Toolbar::Quoral, ButtonRole::HisDeMy, Control::QuoralHisDeMy},
    {Toolbar::Quoral, ButtonRole::Foxes, Control::QuoralFoxes},

    {Toolbar::Amtor, ButtonRole::Connect, Control::AmtorConnect},
    {Toolbar::Amtor, ButtonRole::Disconnect, Control::AmtorDisconnect},
    {Toolbar::Amtor, ButtonRole::Panic, Control::AmtorPanic},
    {Toolbar::Amtor, ButtonRole::Over, Control::AmtorOver},
    {Toolbar::Amtor, ButtonRole::ForcedOver, Control::AmtorForcedOver},
    {Toolbar::Amtor, ButtonRole::Fec, Control::AmtorFec},
    {Toolbar::Amtor, ButtonRole::CallCq, Control::AmtorCallCq},
    {Toolbar::Amtor, ButtonRole::Monitor, Control::AmtorMonitor},
    {Toolbar::Amtor, ButtonRole::NormRev, Control::AmtorNormRev},
    {Toolbar::Amtor, ButtonRole::TxEnable, Control::AmtorTxEnable},
    {Toolbar::Amtor, ButtonRole::HisDeMy, Control::AmtorHisDeMy},
    {Toolbar::Amtor, ButtonRole::Foxes, Control::AmtorFoxes},

    {Toolbar::PMode, ButtonRole::Connect, Control::PModeConnect},
    {Toolbar::PMode, ButtonRole::Disconnect, Control::PModeDisconnect},
    {Toolbar::PMode, ButtonRole::Panic, Control::PModePanic},
    {Toolbar::PMode, ButtonRole::Over, Control::PModeOver},
    {Toolbar::PMode, ButtonRole::ForcedOver, Control::PModeForcedOver},
    {Toolbar::PMode, ButtonRole::Fec, Control::PModeFec},
    {Toolbar::PMode, ButtonRole::CallCq, Control::PModeCallCq},
    {Toolbar::PMode, ButtonRole::Monitor, Control::PModeMonitor},
    {Toolbar::PMode, ButtonRole::TxEnable, Control::PModeTxEnable},
    {Toolbar::PMode, ButtonRole::DeMy, Control::PModeDeMy},
    {Toolbar::PMode, ButtonRole::HisDeMy, Control::PModeHisDeMy},
    {Toolbar::PMode, ButtonRole::Foxes, Control::PModeFoxes},

    {Toolbar::Baudot, ButtonRole::Connect, Control::BaudotConnect},
    {Toolbar::Baudot, ButtonRole::Panic, Control::BaudotPanic},
    {Toolbar::Baudot, ButtonRole::Fec, Control::BaudotFec},
    {Toolbar::Baudot, ButtonRole::RttyRate, Control::BaudotRttyRate},
    {Toolbar::Baudot, ButtonRole::Monitor, Control::BaudotMonitor},
    {Toolbar::Baudot, ButtonRole::NormRev, Control::BaudotNormRev},
    {Toolbar::Baudot, ButtonRole::TxEnable, Control::BaudotTxEnable},
    {Toolbar::Baudot, ButtonRole::DeMy, Control::BaudotDeMy},
    {Toolbar::Baudot, ButtonRole::HisDeMy, Control::BaudotHisDeMy},
    {Toolbar::Baudot, ButtonRole::Foxes, Control::BaudotFoxes},

    {Toolbar::Ascii, ButtonRole::Connect, Control::AsciiConnect},
    {Toolbar::Ascii, ButtonRole::Panic, Control::AsciiPanic},
    {Toolbar::Ascii, ButtonRole::RttyRate, Control::AsciiRttyRate},
    {Toolbar::Ascii, ButtonRole::Monitor, Control::AsciiMonitor},
    {Toolbar::Ascii, ButtonRole::NormRev, Control::AsciiNormRev},
    {Toolbar::Ascii, ButtonRole::TxEnable, Control::AsciiTxEnable},
    {Toolbar::Ascii, ButtonRole::DeMy, Control::AsciiDeMy},
    {Toolbar::Ascii, ButtonRole::HisDeMy, Control::AsciiHisDeMy},
    {Toolbar::Ascii, ButtonRole::Foxes, Control::AsciiFoxes},

    {Toolbar::Psk31, ButtonRole::TxEnable, Control::Psk31TxEnable},
};

// The button of `role` on `toolbar`; none where the toolbar has no such button.
constexpr std::optional<Control> toolbarButton(Toolbar toolbar, ButtonRole role) {
    for (const ToolbarButton& button : kToolbarButtons)
        if (button.toolbar == toolbar && button.role == role) return button.control;
    return std::nullopt;
}

// The role of a toolbar button; none for any other control.
constexpr std::optional<ButtonRole> buttonRole(Control control) {
    for (const ToolbarButton& button : kToolbarButtons)
        if (button.control == control) return button.role;
    return std::nullopt;
}

// The toolbar itself (QORToolBar, ...).
constexpr Control toolbarControl(Toolbar toolbar) {
    switch (toolbar) {
    case Toolbar::Quoral: return Control::QuoralToolbar;
    case Toolbar::Amtor: return Control::AmtorToolbar;
    case Toolbar::PMode: return Control::PModeToolbar;
    case Toolbar::Baudot: return Control::BaudotToolbar;
    case Toolbar::Ascii: return Control::AsciiToolbar;
    case Toolbar::Psk31: return Control::Psk31Toolbar;
    }
    return Control::QuoralToolbar;
}

} // namespace orvane
