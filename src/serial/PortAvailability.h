#pragma once

#include "serial/SerialDevices.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A port the operator may pick by number, and the device behind it.
struct PortEntry {
    int number = 0;
    std::string device;
};

inline constexpr int kHighestPortNumber = 254;

// The ports that lead somewhere, by number: each Config/ports/COMn link
// (1..254), and each serial device the machine has under its fixed number
// where no link takes that number. No device is opened: whether one is in
// use is learned when the operator picks it.
std::vector<PortEntry> availablePorts(const std::filesystem::path& baseDir,
                                      const DeviceRoots& roots);

// The device's fixed port number, unless one of the links takes that number
// (it then leads elsewhere, and the number is not this device's).
std::optional<int> freeFixedNumber(const SerialDevice& device, const std::vector<PortEntry>& links);

// The Config/ports/COMn links (1..254) with the device each leads to.
std::vector<PortEntry> linkedPorts(const std::filesystem::path& baseDir);

} // namespace orvane
