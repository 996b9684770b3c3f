#include "serial/PortAvailability.h"

#include "serial/PortName.h"
#include "serial/PortOpenError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

std::optional<std::string> availablePortDevice(int number, const std::filesystem::path& baseDir) {
    const auto device = portDevice(number, baseDir);
    if (!device) return std::nullopt;
    char resolved[PATH_MAX];
    if (!::realpath(device->c_str(), resolved)) return std::nullopt;
    const int fd = ::open(resolved, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        const bool isTty = ::isatty(fd) == 1;
        ::close(fd);
        if (!isTty) return std::nullopt;
        return std::string(resolved);
    }
    if (isBusyError(errno) || errno == EACCES || errno == EPERM) return std::string(resolved);
    return std::nullopt;
}

std::vector<PortEntry> availablePorts(const std::filesystem::path& baseDir) {
    std::vector<PortEntry> ports;
    for (int n = 1; n <= kHighestPortNumber; ++n)
        if (auto device = availablePortDevice(n, baseDir)) ports.push_back({n, std::move(*device)});
    return ports;
}

} // namespace orvane
