#pragma once

#include "serial/SerialDevices.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

class Prompter;

// The port dialog over the ports and devices found now, and the
// Config/ports link a choice needs.
class PortPicker {
public:
    PortPicker(Prompter& prompter, std::filesystem::path baseDir, DeviceRoots roots)
        : prompter_(prompter), baseDir_(std::move(baseDir)), roots_(std::move(roots)) {}

    // The number of the chosen port ("COMn"), or nothing when the operator
    // cancelled. With nothing to list, OK gives COM1. `reason` says why a
    // port is asked for.
    std::optional<int> pick(const std::string& reason);

private:
    Prompter& prompter_;
    std::filesystem::path baseDir_;
    DeviceRoots roots_;
};

} // namespace orvane
