#pragma once

#include "serial/ModemPort.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <string>

namespace orvane::testing {

class UartPortDouble;

// The serial devices of a test: port doubles under device names. Opening a
// path follows its links to the name at their end, as the system does, and
// finds the double plugged in there, or a missing device.
class PortDoubles final : public PortDevices {
public:
    PortOpening open(const std::filesystem::path& device) override;

    // The device appears under its devicePath(); it outlives its use.
    void plug(UartPortDouble& device);
    // The device is gone: unplugged, and its name free for another.
    void unplug(UartPortDouble& device);

private:
    std::mutex lock_;
    std::map<std::string, UartPortDouble*> devices_;
};

} // namespace orvane::testing
