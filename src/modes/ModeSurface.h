#pragma once

#include "protocol/link/ConsoleSurface.h"

#include <string>
#include <vector>

namespace orvane {

// What the mode set-ups change in the main window beyond the link's surface:
// toolbars and their buttons, the test-tone list, the amplitude
// tuning window's print-squelch markers and the panes.
class ModeSurface : public ConsoleSurface {
public:
    // Toolbars, the status bar, menu items and buttons.
    virtual void setVisible(Control control, bool visible) = 0;
    // Tooltip of a button.
    virtual void setHint(Control control, const std::string& hint) = 0;
    // The station's own call, told to the modem: the windows' titles carry it.
    virtual void showStationCall(const std::string& call) = 0;
    // Image of a button from the toolbars' image list: 5 is "transmit
    // disabled", 6 "transmit enabled", 7 and 8 normal and reverse polarity.
    virtual void setButtonImage(Control control, int imageIndex) = 0;

    virtual bool isMainWindowVisible() const = 0;
    // Keyboard focus to the transmit pane.
    virtual void focusTransmitPane() = 0;
    // Empties the transmit pane.
    virtual void clearTransmitPane() = 0;
    virtual void repaintReceivePane() = 0;

    // The entries of the test-tone list, replacing what it had.
    virtual void setToneBoxEntries(const std::vector<std::string>& entries) = 0;

    // The two print-squelch markers of the amplitude tuning window:
    // horizontal position in pixels, and whether they show.
    virtual void movePrintSquelchMarkers(int x) = 0;
    virtual void setPrintSquelchMarkersVisible(bool visible) = 0;
};

} // namespace orvane
