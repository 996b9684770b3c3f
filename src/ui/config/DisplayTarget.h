#pragma once

namespace orvane {

// The panes that show the display settings: told when the settings' fonts
// and colours have changed.
class DisplayTarget {
public:
    virtual ~DisplayTarget() = default;
    virtual void applyDisplaySettings() = 0;
};

} // namespace orvane
