#pragma once

#include "platform/StatusPanel.h"

#include <string>

namespace orvane {

// The part of the main window that link state and status handling change.
// Controls and panels are named by their object names (butQORConnect,
// mnuCode, DisconnectPanel, ...).
class ConsoleSurface {
public:
    virtual ~ConsoleSurface() = default;
    // Status bar panels 0 to 8.
    virtual void setPanel(int index, const std::string& text) = 0;
    // Buttons and menu items.
    virtual void setEnabled(const std::string& objectName, bool on) = 0;
    virtual void setCaption(const std::string& objectName, const std::string& caption) = 0;
    // Centres the panel on the main window, shows and repaints it.
    virtual void showCentredPanel(const std::string& objectName) = 0;
    virtual void hidePanel(const std::string& objectName) = 0;
    virtual bool isPanelVisible(const std::string& objectName) const = 0;
    // The transmit pane reTXData.
    virtual void setTxPaneEditable(bool editable) = 0;
};

} // namespace orvane
