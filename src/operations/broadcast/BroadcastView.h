#pragma once

#include "controls/Control.h"

#include <optional>
#include <string>

namespace orvane {

// The three ways of an AMTOR broadcast, as checked in the FEC mode panel.
enum class FecMode { None, ModeB, ModeS, Converse };

// The broadcast dialog and panels as the broadcast operation reads them.
class BroadcastView {
public:
    virtual ~BroadcastView() = default;
    // BroadcastDialog with `modulation` in its box, at the main window's left +
    // 50 and top + 50, modal: the text in the box, or nothing on Cancel.
    virtual std::optional<std::string> chooseQuoralModulation(const std::string& modulation) = 0;
    virtual FecMode checkedFecMode() const = 0;
    // The group call panel's edit.
    virtual std::string groupCall() const = 0;
    virtual void setGroupCall(const std::string& groupCall) = 0;
    // The FEC rate panel: "200" rather than "100" checked.
    virtual bool unprotoAt200() const = 0;
    // Keyboard focus to one of the panels.
    virtual void focusPanel(Control panel) = 0;
};

} // namespace orvane
