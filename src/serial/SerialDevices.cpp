#include "serial/SerialDevices.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <system_error>
#include <tuple>

namespace orvane {

namespace fs = std::filesystem;

namespace {

std::string firstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// A serial8250 port with no UART behind it still has a sysfs entry; its type
// reads 0 (unknown).
bool hasHardware(const fs::path& ttyEntry) {
    std::error_code ec;
    const fs::path type = ttyEntry / "type";
    return !fs::exists(type, ec) || firstLine(type) != "0";
}

// The product of the USB device the port belongs to: the first of the
// device's ancestors that names one (the port, its interface, the device).
std::string usbProduct(const fs::path& ttyEntry) {
    std::error_code ec;
    fs::path dir = fs::canonical(ttyEntry / "device", ec);
    if (ec) return {};
    for (int up = 0; up < 4 && dir.has_relative_path(); ++up, dir = dir.parent_path())
        if (fs::exists(dir / "product", ec)) return firstLine(dir / "product");
    return {};
}

// by-id link name for each device name it leads to ("ttyUSB0").
std::map<std::string, std::string> stableNames(const fs::path& dev) {
    std::map<std::string, std::string> names;
    const fs::path byId = dev / "serial" / "by-id";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(byId, ec)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(entry.path(), linkError);
        if (linkError) continue;
        const fs::path device = (byId / target).lexically_normal();
        if (device.parent_path() == dev.lexically_normal())
            names.emplace(device.filename().string(),
                          (fs::path("/dev/serial/by-id") / entry.path().filename()).string());
    }
    return names;
}

// ttyS2 before ttyS10: the name, then its number.
bool inNameOrder(const SerialDevice& a, const SerialDevice& b) {
    const auto split = [](const std::string& name) {
        const std::size_t digits = name.find_last_not_of("0123456789") + 1;
        return std::tuple(name.substr(0, digits), name.size() - digits, name.substr(digits));
    };
    return split(a.device) < split(b.device);
}

} // namespace

std::vector<SerialDevice> listSerialDevices(const DeviceRoots& roots) {
    std::vector<SerialDevice> devices;
    const auto byId = stableNames(roots.dev);
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(roots.sys / "class" / "tty", ec)) {
        std::error_code entryError;
        if (!fs::exists(entry.path() / "device", entryError) || !hasHardware(entry.path()))
            continue;
        const std::string name = entry.path().filename().string();
        const auto stable = byId.find(name);
        devices.push_back({"/dev/" + name, usbProduct(entry.path()),
                           stable == byId.end() ? std::string{} : stable->second});
    }
    std::sort(devices.begin(), devices.end(), inNameOrder);
    return devices;
}

} // namespace orvane
