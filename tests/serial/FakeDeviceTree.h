#pragma once

#include "serial/SerialDevices.h"

#include <filesystem>
#include <string>

namespace orvane::testing {

// A machine's sysfs and /dev in a temporary directory: a USB serial adapter
// with a by-id name (ttyUSB0), a USB modem without one (ttyACM0), two
// on-board UARTs (ttyS2, ttyS10), a serial8250 entry with no UART behind it
// (ttyS1) and a virtual console (tty0). The device nodes are plain files.
class FakeDeviceTree {
public:
    FakeDeviceTree();
    ~FakeDeviceTree();
    FakeDeviceTree(const FakeDeviceTree&) = delete;
    FakeDeviceTree& operator=(const FakeDeviceTree&) = delete;

    static constexpr const char* kAdapterById =
        "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";

    DeviceRoots roots() const { return {dir_ / "sys", dir_ / "dev"}; }
    const std::filesystem::path& dir() const { return dir_; }

private:
    void addTty(const std::string& name, const std::string& deviceDir, const char* type);

    std::filesystem::path dir_;
};

} // namespace orvane::testing
