#pragma once

#include "platform/StatusPanel.h"

#include <string>

namespace orvane {

// The status bar StatusBar1 and the two panes whose line counts it shows.
class StatusBarView {
public:
    virtual ~StatusBarView() = default;
    // Panels 0 to 8.
    virtual void setPanel(int index, const std::string& text) = 0;
    virtual std::string panelText(int index) const = 0;
    // Line counts of the receive and transmit panes, from their line lists.
    virtual int receiveLineCount() const = 0;
    virtual int transmitLineCount() const = 0;
};

} // namespace orvane
