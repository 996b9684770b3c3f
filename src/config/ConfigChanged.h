#pragma once

namespace orvane {

// True while the settings in memory differ from the file: set by every edit,
// cleared by a successful save and by cancelling the configuration dialog.
class ConfigChanged {
public:
    void set() { changed_ = true; }
    void clear() { changed_ = false; }
    bool isSet() const { return changed_; }

private:
    bool changed_ = false;
};

} // namespace orvane
