#include "serial/PortAvailability.h"

#include "serial/PortName.h"

#include <algorithm>
#include <system_error>

namespace orvane {

namespace fs = std::filesystem;

std::vector<PortEntry> linkedPorts(const fs::path& baseDir) {
    std::vector<PortEntry> ports;
    for (int n = 1; n <= kHighestPortNumber; ++n) {
        const fs::path link = portLinkPath(n, baseDir);
        std::error_code ec;
        if (!fs::is_symlink(link, ec) && !fs::exists(link, ec)) continue;
        const fs::path device = fs::weakly_canonical(link, ec);
        ports.push_back({n, ec ? link.string() : device.string()});
    }
    return ports;
}

std::optional<int> freeFixedNumber(const SerialDevice& device,
                                   const std::vector<PortEntry>& links) {
    const std::optional<int> number = fixedPortNumber(device.device);
    const bool taken = std::any_of(links.begin(), links.end(),
                                   [&](const PortEntry& link) { return link.number == number; });
    return taken ? std::nullopt : number;
}

std::vector<PortEntry> availablePorts(const fs::path& baseDir, const DeviceRoots& roots) {
    const std::vector<PortEntry> links = linkedPorts(baseDir);
    std::vector<PortEntry> ports = links;
    for (const SerialDevice& device : listSerialDevices(roots))
        if (const auto n = freeFixedNumber(device, links)) ports.push_back({*n, device.device});
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return ports;
}

} // namespace orvane
