#include "support/PortDoubles.h"

#include "serial/PortOpenError.h"
#include "support/UartPortDouble.h"

#include <cerrno>

namespace orvane::testing {
namespace {

std::filesystem::path followLinks(std::filesystem::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 16 && std::filesystem::is_symlink(path, ec); ++hops) {
        const auto target = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path.lexically_normal();
}

// The console's hold on a double: closing it leaves the device where it is.
class OpenDouble final : public ModemPort {
public:
    explicit OpenDouble(UartPortDouble& device) : d_(device) {}
    const std::string& devicePath() const override { return d_.devicePath(); }
    int fd() const override { return d_.fd(); }
    long read(std::span<std::uint8_t> bytes) override { return d_.read(bytes); }
    bool configureLine(int baud) override { return d_.configureLine(baud); }
    bool setRts(bool on) override { return d_.setRts(on); }
    bool setDtr(bool on) override { return d_.setDtr(on); }
    bool ctsOn() override { return d_.ctsOn(); }
    LineStatus lineStatus() override { return d_.lineStatus(); }
    bool sendImmediate(std::uint8_t byte) override { return d_.sendImmediate(byte); }
    void setWireTap(WireTap* tap) override { d_.setWireTap(tap); }
    Outcome write(std::span<const std::uint8_t> bytes) override { return d_.write(bytes); }
    int pendingOutput() override { return d_.pendingOutput(); }
    bool sendingAllowed() override { return d_.sendingAllowed(); }
    std::chrono::microseconds timeToSend(int bytes) const override { return d_.timeToSend(bytes); }

private:
    UartPortDouble& d_;
};

} // namespace

PortOpening PortDoubles::open(const std::filesystem::path& device) {
    const std::string name = followLinks(device).string();
    std::lock_guard guard(lock_);
    const auto found = devices_.find(name);
    if (found == devices_.end()) return {nullptr, portOpenErrorText(name, ENOENT)};
    return {std::make_unique<OpenDouble>(*found->second), {}};
}

void PortDoubles::plug(UartPortDouble& device) {
    std::lock_guard guard(lock_);
    devices_[device.devicePath()] = &device;
}

void PortDoubles::unplug(UartPortDouble& device) {
    {
        std::lock_guard guard(lock_);
        const auto found = devices_.find(device.devicePath());
        if (found != devices_.end() && found->second == &device) devices_.erase(found);
    }
    device.unplug();
}

} // namespace orvane::testing
