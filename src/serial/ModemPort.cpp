#include "serial/ModemPort.h"

#include "serial/PortName.h"
#include "serial/PortOpenError.h"
#include "serial/SerialPort.h"

namespace orvane {

namespace {

class SystemPortDevices final : public PortDevices {
public:
    PortOpening open(const std::filesystem::path& device) override {
        return SerialPort::open(device);
    }
};

} // namespace

PortDevices& systemPortDevices() {
    static SystemPortDevices devices;
    return devices;
}

PortOpening openPortName(PortDevices& devices, const std::string& portName,
                         const std::filesystem::path& baseDir) {
    const auto device = resolvePortName(portName, baseDir);
    if (!device) return {nullptr, noPortDeviceText(portName)};
    return devices.open(*device);
}

} // namespace orvane
