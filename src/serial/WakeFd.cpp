#include "serial/WakeFd.h"

#include <cstdint>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

namespace orvane {

WakeFd::WakeFd() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "eventfd");
}

WakeFd::~WakeFd() {
    ::close(fd_);
}

void WakeFd::signal() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(fd_, &one, sizeof one);
}

void WakeFd::drain() {
    std::uint64_t count = 0;
    [[maybe_unused]] const auto n = ::read(fd_, &count, sizeof count);
}

} // namespace orvane
