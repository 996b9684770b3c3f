#pragma once

#include "controls/Control.h"
#include "platform/StatusPanel.h"

#include <string>

namespace orvane {

class ConsoleMenus;

// The part of the main window that link state and status handling change.
// Controls and panels are named by type (Control::QuoralConnect,
// Control::CodeMenu, Control::DisconnectPanel, ...).
class ConsoleSurface {
public:
    virtual ~ConsoleSurface() = default;
    // Status bar panels 0 to 8.
    virtual void setPanel(int index, const std::string& text) = 0;
    // Buttons and menu items.
    virtual void setEnabled(Control control, bool on) = 0;
    virtual void setCaption(Control control, const std::string& caption) = 0;
    // Menu items.
    virtual void setChecked(Control control, bool checked) = 0;
    // The menus: code tells them what happened and they show what it offers.
    virtual ConsoleMenus& menus() = 0;
    // Centres the panel on the main window, shows and repaints it.
    virtual void showCentredPanel(Control control) = 0;
    virtual void hidePanel(Control control) = 0;
    virtual bool isPanelVisible(Control control) const = 0;
    // The transmit pane.
    virtual void setTxPaneEditable(bool editable) = 0;
};

} // namespace orvane
