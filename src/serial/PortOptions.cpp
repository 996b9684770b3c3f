#include "serial/PortOptions.h"

#include "serial/PortAvailability.h"
#include "serial/PortName.h"

#include <system_error>

namespace orvane {

namespace fs = std::filesystem;

namespace {

constexpr int kFirstLinkOnlyNumber = 97;

std::string linkTarget(const fs::path& link) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    return ec ? std::string{} : target.string();
}

std::string deviceLabel(const SerialDevice& device) {
    return device.product.empty() ? device.device : device.device + " \u2014 " + device.product;
}

std::optional<int> linkLeadingTo(const std::string& target, const fs::path& baseDir) {
    for (const PortEntry& port : linkedPorts(baseDir))
        if (linkTarget(portLinkPath(port.number, baseDir)) == target) return port.number;
    return std::nullopt;
}

TakenPort makeLink(const std::string& target, const fs::path& baseDir) {
    for (int n = kFirstLinkOnlyNumber; n <= kHighestPortNumber; ++n) {
        const fs::path link = portLinkPath(n, baseDir);
        std::error_code ec;
        if (fs::is_symlink(link, ec) || fs::exists(link, ec)) continue;
        fs::create_directories(link.parent_path(), ec);
        fs::create_symlink(target, link, ec);
        if (ec)
            return {std::nullopt, "Cannot make the port link " + link.string() + " to " + target +
                                      ": " + ec.message() + "."};
        return {n, {}};
    }
    return {std::nullopt, "Every port number from COM97 to COM254 is taken in Config/ports; "
                          "remove a link there that is no longer needed."};
}

} // namespace

std::vector<PortOption> portOptions(const fs::path& baseDir, const DeviceRoots& roots) {
    std::vector<PortOption> choices;
    const std::vector<PortEntry> links = linkedPorts(baseDir);
    for (const PortEntry& port : links) {
        const std::string target = linkTarget(portLinkPath(port.number, baseDir));
        const std::string shown = target.empty() ? port.device : target;
        choices.push_back({portNameOf(port.number) + " \u2192 " + shown, {}, port.number, shown});
    }
    for (const SerialDevice& device : listSerialDevices(roots)) {
        choices.push_back({deviceLabel(device), device.byId, freeFixedNumber(device, links),
                           device.byId.empty() ? device.device : device.byId});
    }
    return choices;
}

TakenPort takePortOption(const PortOption& choice, const fs::path& baseDir) {
    const bool linkWanted = !choice.stableName.empty() || !choice.number;
    if (!linkWanted) return {choice.number, {}};
    if (const auto linked = linkLeadingTo(choice.target, baseDir)) return {linked, {}};
    return makeLink(choice.target, baseDir);
}

} // namespace orvane
