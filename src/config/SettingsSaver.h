#pragma once

namespace orvane {

// Writes the settings file now; a failure has been reported to the operator
// (with the reason) when this returns false, and the settings stay in memory.
class SettingsSaver {
public:
    virtual ~SettingsSaver() = default;
    virtual bool saveSettings() = 0;
};

} // namespace orvane
