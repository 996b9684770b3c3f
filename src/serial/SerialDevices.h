#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Where the machine describes its devices: sysfs and the device directory.
// Tests point both at a tree of their own.
struct DeviceRoots {
    std::filesystem::path sys = "/sys";
    std::filesystem::path dev = "/dev";
};

// A serial device as the kernel and udev describe it.
struct SerialDevice {
    std::string device;  // "/dev/ttyUSB0"
    std::string product; // "FT232R USB UART", from the USB device; empty when there is none
    std::string byId;    // "/dev/serial/by-id/usb-FTDI_…", when udev made one
};

// The serial devices under /sys/class/tty that have hardware behind them, by
// name. Only sysfs and the device directory are read: no device is opened, so
// no modem line of any port moves.
std::vector<SerialDevice> listSerialDevices(const DeviceRoots& roots);

} // namespace orvane
