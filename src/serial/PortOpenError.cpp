#include "serial/PortOpenError.h"

#include <cerrno>
#include <cstring>

namespace orvane {

bool isBusyError(int err) {
    return err == EBUSY || err == EWOULDBLOCK || err == EAGAIN;
}

std::string portOpenErrorText(const std::string& device, int err) {
    const std::string head = "Cannot open the serial port " + device + ": ";
    if (err == EACCES || err == EPERM)
        return head + "permission denied. Add your user to the dialout group "
                      "(sudo usermod -aG dialout $USER), then log out and log in again.";
    if (isBusyError(err)) return head + "it is busy, another program holds it.";
    // A serial driver answers EIO for a port with no hardware behind it.
    if (err == ENOENT || err == ENODEV || err == ENXIO || err == EIO)
        return head + "the device is missing (not connected, or unplugged).";
    return head + std::strerror(err) + ".";
}

std::string noPortDeviceText(const std::string& portName) {
    if (portName.empty() || portName == "COM")
        return "No serial port is set. Choose the modem's port from the list.";
    return "The port \"" + portName +
           "\" in the settings names no serial device. Choose the modem's port from the list.";
}

} // namespace orvane
