#pragma once

#include <string>

namespace orvane {

// The operator's message for a port that failed to open with `err` (an errno
// value); it names the device and says what to do about it.
std::string portOpenErrorText(const std::string& device, int err);

// The message for a port name that leads to no device at all.
std::string noPortDeviceText(const std::string& portName);

// True for the errors that mean another program holds the device.
bool isBusyError(int err);

} // namespace orvane
