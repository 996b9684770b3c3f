#pragma once

#include "serial/SerialDevices.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// One entry of the port picker.
struct PortOption {
    // What the operator reads: "COM1 → /dev/pts/4" for a link of ours,
    // "/dev/ttyUSB0 — FT232R USB UART" for a device.
    std::string label;
    // The name that stays with the adapter when it is plugged in again, if
    // udev made one.
    std::string stableName;
    // The port number that reaches it now (a link, or the fixed mapping).
    std::optional<int> number;
    // What a new Config/ports link would lead to.
    std::string target;
};

// The links in Config/ports first, then the machine's serial devices.
std::vector<PortOption> portOptions(const std::filesystem::path& baseDir, const DeviceRoots& roots);

// The port number to use for a choice, or why there is none.
struct TakenPort {
    std::optional<int> number;
    std::string error;
};

// A device with a stable name is reached through a Config/ports/COMn link
// to that name, so that a replugged adapter keeps its port: a link already
// there is used, else one is made under the first free number above the
// fixed ones (97 on). A device outside the fixed mapping gets such a link to
// its device name.
TakenPort takePortOption(const PortOption& choice, const std::filesystem::path& baseDir);

} // namespace orvane
