#include "config/StationSetup.h"

#include "config/Settings.h"
#include "serial/PortName.h"

namespace orvane {

bool callSignIsPlaceholder(const Settings& settings) {
    return settings.MYCALL.empty() || settings.MYCALL == kPlaceholderCall;
}

bool portIsSet(const Settings& settings) {
    return portNumberOf(settings.PortName).has_value();
}

} // namespace orvane
