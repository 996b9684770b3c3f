#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The settings name the port "COMn". These turn such a name into a device.

// The number of a "COMn" name; nothing for "COM" alone, junk, or 0.
std::optional<int> portNumberOf(std::string_view portName);

// The device for port n: the link Config/ports/COMn under `baseDir` when it
// exists, else /dev/ttyS0-31 for COM1-32, /dev/ttyUSB0-31 for COM33-64,
// /dev/ttyACM0-31 for COM65-96. Higher numbers reach a device only by a link.
std::optional<std::filesystem::path> portDevice(int number, const std::filesystem::path& baseDir);

// The port number the fixed mapping gives a device ("/dev/ttyUSB1" is 34);
// nothing for a device outside it.
std::optional<int> fixedPortNumber(std::string_view device);

// Both steps at once; nothing when the name is not a port name.
std::optional<std::filesystem::path> resolvePortName(std::string_view portName,
                                                     const std::filesystem::path& baseDir);

// Config/ports/COMn under `baseDir`.
std::filesystem::path portLinkPath(int number, const std::filesystem::path& baseDir);

// "COMn".
std::string portNameOf(int number);

} // namespace orvane
