#include "config/Settings.h"

#include "config/SettingDescriptor.h"

namespace orvane {

Settings::Settings() {
    ScreenLayout unused;
    for (const SettingDescriptor& setting : settingDescriptors())
        if (setting.Default) setKeyFromText(setting, *setting.Default, *this, unused);
}

} // namespace orvane
