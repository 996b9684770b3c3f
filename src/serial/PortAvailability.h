#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A port the operator may pick, and the device behind it.
struct PortEntry {
    int number = 0;
    std::string device;
};

inline constexpr int kHighestPortNumber = 254;

// The device of port n, when it can be opened or is only held by another
// program (busy, or no permission: picking it then says what is wrong).
std::optional<std::string> availablePortDevice(int number, const std::filesystem::path& baseDir);

// Ports 1..254 that are available, in ascending order.
std::vector<PortEntry> availablePorts(const std::filesystem::path& baseDir);

} // namespace orvane
