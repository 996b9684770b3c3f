#include "FakeDeviceTree.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

namespace orvane::testing {

namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

} // namespace

FakeDeviceTree::FakeDeviceTree() {
    std::string pattern = (fs::temp_directory_path() / "orvane-devices-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
    const fs::path usb = dir_ / "sys/devices/pci0000:00/0000:00:14.0/usb1";
    write(usb / "product", "xHCI Host Controller");
    write(usb / "1-1/product", "FT232R USB UART");
    write(usb / "1-2/product", "Modara USB Modem");
    addTty("ttyUSB0", "pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/ttyUSB0", nullptr);
    addTty("ttyACM0", "pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.0", nullptr);
    addTty("ttyS2", "platform/serial8250", "4");
    addTty("ttyS10", "platform/serial8250", "4");
    addTty("ttyS1", "platform/serial8250", "0");
    fs::create_directories(dir_ / "sys/class/tty/tty0");
    write(dir_ / "dev/tty0", "");
    fs::create_directories(dir_ / "dev/serial/by-id");
    fs::create_symlink("../../ttyUSB0", dir_ / fs::path(kAdapterById).relative_path());
}

FakeDeviceTree::~FakeDeviceTree() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

void FakeDeviceTree::addTty(const std::string& name, const std::string& deviceDir,
                            const char* type) {
    const fs::path entry = dir_ / "sys/class/tty" / name;
    const fs::path device = dir_ / "sys/devices" / deviceDir;
    fs::create_directories(entry);
    fs::create_directories(device);
    fs::create_symlink(device, entry / "device");
    if (type) write(entry / "type", type);
    write(dir_ / "dev" / name, "");
}

} // namespace orvane::testing
